#include "app/CPageTab.h"

#include "shell/CPageDialog.h"

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

void CPageTab::SetPage(int index, CPageDialog* page, int templateId) {
    if (!ValidSlot(index)) {
        delete page;
        return;
    }
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
    if (pages[current] != nullptr) {
        pages[current]->show();
    }
    return previous;
}

void CPageTab::DeleteAllPages() {
    for (int i = 0; i < count; ++i) {
        RetirePage(pages[i]);
        pages[i] = nullptr;
        templateIds[i] = 0;
    }
    count = 0;
}

CPageDialog* CPageTab::Page(int index) const {
    return ValidSlot(index) ? pages[index] : nullptr;
}

int CPageTab::TemplateId(int index) const {
    return ValidSlot(index) ? templateIds[index] : 0;
}

void CPageTab::CreatePage(CPageDialog* page) {
    page->Create(this);
}

void CPageTab::RetirePage(CPageDialog* page) {
    if (page != nullptr) {
        page->hide();
        page->deleteLater();
    }
}
