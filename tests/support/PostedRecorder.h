// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stands in for the window a page, the panel or a button posts to: keeps every posted message it receives,
// in order. Messages are posted, so they arrive only when the event loop delivers them.
#include <QObject>
#include <QtGlobal>
#include <ostream>
#include <utility>
#include <vector>

class PostedRecorder : public QObject {
public:
    struct Post {
        int message;
        qintptr wParam;
        qintptr lParam;
        bool operator==(const Post&) const = default;
    };

    // The (stage, code) of every WM_NAVIGATE, in order.
    std::vector<std::pair<int, int>> Navigations() const;

    std::vector<Post> posts;

protected:
    bool event(QEvent* event) override;
};

void PrintTo(const PostedRecorder::Post& post, std::ostream* out);
