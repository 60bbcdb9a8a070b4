// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/PostedRecorder.h"

#include "controls/PostedMessage.h"

std::vector<std::pair<int, int>> PostedRecorder::Navigations() const {
    std::vector<std::pair<int, int>> navigations;
    for (const Post& post : posts) {
        if (post.message == WM_NAVIGATE) {
            navigations.emplace_back(static_cast<int>(post.wParam), static_cast<int>(post.lParam));
        }
    }
    return navigations;
}

bool PostedRecorder::event(QEvent* event) {
    if (event->type() != CPostedMessage::Type()) {
        return QObject::event(event);
    }
    const auto* posted = static_cast<const CPostedMessage*>(event);
    posts.push_back({posted->message, posted->wParam, posted->lParam});
    return true;
}

void PrintTo(const PostedRecorder::Post& post, std::ostream* out) {
    *out << "{0x" << std::hex << post.message << std::dec << ", " << post.wParam << ", " << post.lParam
         << '}';
}
