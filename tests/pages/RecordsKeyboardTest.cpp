// SPDX-License-Identifier: GPL-3.0-or-later
// The records page without the mouse and without sight: Enter in the draw-number box is the whole entry, the
// list shows its current row with the ink focus frame while it has the focus, and a hit, which the list marks
// by colour alone, is said in words to a screen reader.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <memory>

#include "controls/CColorCellDelegate.h"
#include "pages/CHistoryPage.h"
#include "tests/pages/PageStoreFixture.h"
#include "tests/support/FixedClock.h"

namespace {

const std::array<std::string, 8> kCodes = {"386", "012", "907", "555", "243", "555", "659", "760"};

class RecordsKeyboardTest : public PageStoreFixture {
protected:
    // The page goes before the application whose store it was handed.
    void TearDown() override {
        page.reset();
        PageStoreFixture::TearDown();
    }
    void SetUp() override {
        PageStoreFixture::SetUp();
        page = std::make_unique<CHistoryPage>(*app);
        AddRecord(1, "2010-03-04 00:00:00", kCodes);
        AddRecord(2, "2010-03-05 00:00:00", kCodes);
        OpenStore();
        Show(*page);
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    }

    // Ink pixels along the top edge of row, in the list as it shows (the grid's lines between the cells
    // are not the row's).
    int InkAlongRow(int row) {
        const QImage image = page->list.viewport()->grab().toImage();
        const int y = page->list.visualRect(page->list.model()->index(row, 0)).top();
        int ink = 0;
        for (int x = 0; x < image.width(); ++x) {
            ink += image.pixelColor(x, y) == QColor::fromRgb(CColorCellDelegate::kFocusFrameRgb);
        }
        return ink;
    }

    int RowWidth() const {
        int width = 0;
        for (int column = 0; column < page->list.columnCount(); ++column) {
            width += page->list.columnWidth(column) - 1;
        }
        return width;
    }

    FixedClock clock{2010, 3, 5, 9, 0, 0};
    std::unique_ptr<CHistoryPage> page;
};

TEST_F(RecordsKeyboardTest, EnterInTheDrawNumberBoxEntersItAsConfirmDoes) {
    page->list.setCurrentCell(0, 0);
    ASSERT_TRUE(page->drawNumberEdit.isVisible());
    page->drawNumberEdit.setFocus();
    QTest::keyClicks(&page->drawNumberEdit, QStringLiteral("12"));
    QTest::keyClick(&page->drawNumberEdit, Qt::Key_Return);
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{
                            {TextOf(Messages::kNoDrawNumber) + "\r\n" + TextOf(Messages::kDrawNumberForm),
                             CaptionOf(Messages::kNoDrawNumber)}}));

    QTest::keyClicks(&page->drawNumberEdit, QStringLiteral("907"));
    QTest::keyClick(&page->drawNumberEdit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Rows("SELECT open_data, is_right FROM data_history WHERE record_order = 1"),
              (TextRows{{"907", "3"}}));
}

// A Chinese input method commits full-width digits: the box shows them as plain digits, and they are entered
// as such; letters stay out whichever width they come in.
TEST_F(RecordsKeyboardTest, FullWidthDigitsFromAnInputMethodAreEnteredAsPlainDigits) {
    page->list.setCurrentCell(0, 0);
    ASSERT_TRUE(page->drawNumberEdit.isVisible());
    page->drawNumberEdit.setFocus();
    for (const QString& typed :
         {QStringLiteral("\uFF19\uFF10"), QStringLiteral("\uFF41"), QStringLiteral("\uFF17")}) {
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(&page->drawNumberEdit, &commit);
    }
    EXPECT_EQ(page->drawNumberEdit.text(), QStringLiteral("907"));

    page->confirmButton.click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Rows("SELECT open_data, is_right FROM data_history WHERE record_order = 1"),
              (TextRows{{"907", "3"}}));
}

TEST_F(RecordsKeyboardTest, TheCurrentRowWearsTheFocusFrameWhileTheListHasTheFocus) {
    page->list.setCurrentCell(1, 0);
    page->list.setFocus(Qt::TabFocusReason);
    EXPECT_GE(InkAlongRow(1), RowWidth());
    EXPECT_EQ(InkAlongRow(0), 0);

    QTest::keyClick(&page->list, Qt::Key_Up);
    EXPECT_EQ(InkAlongRow(1), 0) << "the frame follows the current row";
    EXPECT_GE(InkAlongRow(0), RowWidth());

    page->drawNumberEdit.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(InkAlongRow(0), 0) << "no frame without the focus";
}

TEST_F(RecordsKeyboardTest, AHitIsSaidInWordsBesideItsColour) {
    page->list.setCurrentCell(0, 0);
    page->drawNumberEdit.setText(QStringLiteral("907"));
    page->confirmButton.click();

    QAccessibleInterface* cell =
        QAccessible::queryAccessibleInterface(&page->list)->tableInterface()->cellAt(0, 3);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Description), QStringLiteral("命中：预测码三 907"));
    EXPECT_EQ(page->list.item(1, 3)->data(Qt::AccessibleDescriptionRole).toString(), QString())
        << "a record without a result has no hit to tell";
}

}  // namespace
