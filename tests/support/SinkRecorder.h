// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records every message the core and the store show while the object lives, instead of showing it, then puts
// the sink before it back.
#include <string>
#include <utility>
#include <vector>

#include "shell/MessageSink.h"

class SinkRecorder {
public:
    SinkRecorder()
        : previous(SetMessageSink([this](const std::string& text, const std::string& caption) {
              messages.emplace_back(text, caption);
          })) {}
    ~SinkRecorder() { SetMessageSink(previous); }
    SinkRecorder(const SinkRecorder&) = delete;
    SinkRecorder& operator=(const SinkRecorder&) = delete;

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& message : messages) {
            texts.push_back(message.first);
        }
        return texts;
    }

    // (text, caption) of each message, in order.
    std::vector<std::pair<std::string, std::string>> messages;

private:
    MessageSinkFunction previous;
};
