// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CPageTab.h"

#include "shell/CPageDialog.h"

#include <utility>

CPageTab::CPageTab(QWidget* parent) : QWidget(parent) {}

// The pages are children: Qt deletes them with the container.
CPageTab::~CPageTab() = default;

bool CPageTab::AddPage(CPageDialog* page, int templateId) {
    if (count == kMaxPages) {
        delete page;  // never created, never seen by anyone but the caller, who handed it over
        return false;
    }
    pages[count] = page;
    templateIds[count] = templateId;
    ++count;
    CreatePage(page);
    page->setVisible(count == 1);
    return true;
}

bool CPageTab::AddPage(std::function<CPageDialog*()> build, int templateId) {
    if (count == kMaxPages) {
        return false;
    }
    builders[count] = std::move(build);
    templateIds[count] = templateId;
    ++count;
    return true;
}

void CPageTab::SetPage(int index, CPageDialog* page, int templateId) {
    if (!ValidSlot(index)) {
        delete page;
        return;
    }
    builders[index] = nullptr;
    RetirePage(pages[index]);
    pages[index] = page;
    templateIds[index] = templateId;
    CreatePage(page);
}

void CPageTab::RemovePage(int index) {
    if (!ValidSlot(index)) {
        return;
    }
    RetirePage(pages[index]);
    pages[index] = nullptr;
    builders[index] = nullptr;
    templateIds[index] = 0;
    if (index == count - 1) {
        --count;
    }
}

int CPageTab::ShowPage(int index) {
    if (index < 0 || index >= count) {
        return -1;
    }
    if (pages[current] != nullptr) {
        pages[current]->hide();
    }
    const int previous = current;
    current = index;
    if (CPageDialog* page = Page(current)) {
        page->show();
    }
    return previous;
}

void CPageTab::DeleteAllPages() {
    for (int i = 0; i < count; ++i) {
        RetirePage(pages[i]);
        pages[i] = nullptr;
        builders[i] = nullptr;
        templateIds[i] = 0;
    }
    count = 0;
}

CPageDialog* CPageTab::Page(int index) const {
    if (!ValidSlot(index)) {
        return nullptr;
    }
    if (builders[index]) {
        pages[index] = std::exchange(builders[index], nullptr)();
        CreatePage(pages[index]);
        // The first page of a container is its shown one, built or not.
        pages[index]->setVisible(index == current);
    }
    return pages[index];
}

int CPageTab::TemplateId(int index) const {
    return ValidSlot(index) ? templateIds[index] : 0;
}

void CPageTab::CreatePage(CPageDialog* page) const {
    page->Create(const_cast<CPageTab*>(this));
}

void CPageTab::RetirePage(CPageDialog* page) {
    if (page != nullptr) {
        page->hide();
        page->deleteLater();
    }
}
