#include "core/MessageSink.h"

#include <iostream>
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
        std::cerr << caption << ": " << text << '\n';
    }
}

MessageSinkFunction SetMessageSink(MessageSinkFunction sink) {
    return std::exchange(InstalledSink(), std::move(sink));
}
