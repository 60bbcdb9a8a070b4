// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the window a tour step acts on: the modal window on top, or the page the main window shows.
#include <QApplication>
#include <QWidget>

#include "app/CMainDlg.h"
#include "shell/CPageDialog.h"

// The modal window of this type on top of everything, or null.
template <class Window>
Window* ActiveModal() {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    return window != nullptr && window->isVisible() ? window : nullptr;
}

// The page of this type the main window shows with nothing above it, or null.
template <class Page>
Page* ShownPage(const CMainDlg* main) {
    if (main == nullptr || !main->pageContainer.isVisible()) {
        return nullptr;
    }
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr) {
        return nullptr;
    }
    auto* page = dynamic_cast<Page*>(main->pageContainer.Page(main->pageContainer.CurrentIndex()));
    return page != nullptr && page->isVisible() ? page : nullptr;
}
