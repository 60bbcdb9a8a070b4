// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A container that keeps a small stack of pages and shows one of them. It holds no tabs of its own: it is
// only the parent of its pages, which it owns. The main window keeps two of them: one for the navigation
// panel and one for the prediction, records and player pages.
#include <QWidget>
#include <array>
#include <functional>

class CPageDialog;

class CPageTab : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMaxPages = 16;

    explicit CPageTab(QWidget* parent = nullptr);
    ~CPageTab() override;

    // Stores the page in the next free slot, takes it over and creates it inside the container; the first
    // page is shown, later ones stay hidden. A full container refuses: the page is deleted and false
    // returned.
    bool AddPage(CPageDialog* page, int templateId);
    // The same for a page that is built only when it is first shown or asked for with Page(): a page the
    // user may never see costs nothing before then.
    bool AddPage(std::function<CPageDialog*()> build, int templateId);
    // Replaces the page at index (the old one is deleted once control is back in the event loop) and creates
    // the new one hidden. The page count does not change.
    void SetPage(int index, CPageDialog* page, int templateId);
    // Deletes the page at index; removing the last page shortens the stack.
    void RemovePage(int index);
    // Hides the shown page and shows the one at index; returns the index shown before, or -1 (and changes
    // nothing) for an index outside the stack.
    int ShowPage(int index);
    int GetPageCount() const { return count; }
    void DeleteAllPages();

    // The page at index, built now if it was added to be built later.
    CPageDialog* Page(int index) const;
    int TemplateId(int index) const;
    int CurrentIndex() const { return current; }

private:
    void CreatePage(CPageDialog* page) const;
    // A page may be replaced while one of its own handlers is still on the stack (a nested modal loop, a
    // signal): it is hidden at once and deleted later from the event loop.
    static void RetirePage(CPageDialog* page);
    static bool ValidSlot(int index) { return index >= 0 && index < kMaxPages; }

    // A page still to be built is built by the first look at it, even a look that changes nothing else.
    mutable std::array<CPageDialog*, kMaxPages> pages{};
    mutable std::array<std::function<CPageDialog*()>, kMaxPages> builders{};
    std::array<int, kMaxPages> templateIds{};
    int count = 0;
    int current = 0;
};
