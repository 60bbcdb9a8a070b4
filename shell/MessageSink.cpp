// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MessageSink.h"

#include <cstdio>
#include <utility>

namespace {

MessageSinkFunction& InstalledSink() {
    static MessageSinkFunction sink;
    return sink;
}

}  // namespace

void ShowMessage(const std::string& text, const std::string& caption) {
    const auto& sink = InstalledSink();
    if (sink) {
        sink(text, caption);
    } else {
        // stdio, not iostreams: a program that links this need not set up the streams at every start.
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
}

void ShowMessage(const MessageText& message) {
    ShowMessage(message.text, message.caption);
}

MessageSinkFunction SetMessageSink(MessageSinkFunction sink) {
    return std::exchange(InstalledSink(), std::move(sink));
}
