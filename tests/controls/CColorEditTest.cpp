// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <string>

#include "controls/CColorEdit.h"
#include "tests/support/WidgetPixels.h"

using namespace testsupport;

namespace {

class ColorEditTest : public ::testing::TestWithParam<CColorEdit::Mode> {
protected:
    void SetUp() override {
        page.resize(240, 80);
        PaintBackground(page, QColor(10, 120, 10));
        edit = new CColorEdit(GetParam(), &page);
        edit->setGeometry(10, 10, 200, 40);
        edit->SetBorder(false);
        edit->SetFont(SolidFont(16));
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    QImage Field() { return page.grab().toImage().copy(edit->geometry()); }

    QWidget page;
    CColorEdit* edit = nullptr;
};

TEST_P(ColorEditTest, PaintsItsBackAndTextColours) {
    edit->SetEditColours(155, 197, 207, 0, 40, 40);
    edit->SetText(QStringLiteral("WWWW"));
    EXPECT_EQ(edit->Text(), "WWWW");
    QImage field = Field();
    EXPECT_EQ(field.pixelColor(190, 30), QColor(155, 197, 207));
    EXPECT_GT(CountPixels(field, field.rect(), QColor(0, 40, 40)), 20);

    // New colours show at the next paint, text included.
    edit->SetEditColours(173, 221, 232, 200, 0, 0);
    field = Field();
    EXPECT_EQ(field.pixelColor(190, 30), QColor(173, 221, 232));
    EXPECT_EQ(CountPixels(field, field.rect(), QColor(0, 40, 40)), 0);
    EXPECT_GT(CountPixels(field, field.rect(), QColor(200, 0, 0)), 20);
}

TEST_P(ColorEditTest, ReadOnlyFieldKeepsItsColours) {
    edit->SetEditColours(164, 210, 221, 0, 40, 40);
    edit->SetReadOnly(true);
    edit->SetText(QStringLiteral("WWWW"));
    const QImage field = Field();
    EXPECT_EQ(field.pixelColor(190, 30), QColor(164, 210, 221));
    EXPECT_GT(CountPixels(field, field.rect(), QColor(0, 40, 40)), 20);
}

TEST_P(ColorEditTest, CentredTextStandsInTheMiddle) {
    edit->SetEditColours(255, 255, 255, 0, 0, 0);
    edit->SetText(QStringLiteral("WW"));
    const auto firstTextColumn = [this] {
        const QImage field = Field();
        for (int x = 0; x < field.width(); ++x) {
            if (CountPixels(field, QRect(x, 0, 1, field.height()), Qt::black) > 0) {
                return x;
            }
        }
        return -1;
    };
    const int left = firstTextColumn();
    edit->SetCentred(true);
    const int centred = firstTextColumn();
    EXPECT_GE(left, 0);
    EXPECT_LT(left, 20);
    EXPECT_GT(centred, 60);
}

INSTANTIATE_TEST_SUITE_P(Modes, ColorEditTest,
                         ::testing::Values(CColorEdit::SingleLine, CColorEdit::MultiLine),
                         [](const ::testing::TestParamInfo<CColorEdit::Mode>& param) {
                             return std::string(param.param == CColorEdit::SingleLine ? "SingleLine"
                                                                                      : "MultiLine");
                         });

TEST(ColorEditDigitsTest, SingleLineTakesOnlyDigitsUpToTheLimit) {
    CColorEdit edit(CColorEdit::SingleLine);
    ASSERT_TRUE(edit.SetDigitsOnly(3));
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("1a+2,-34"));
    EXPECT_EQ(edit.Text(), "123");
}

TEST(ColorEditDigitsTest, WithoutALimitEveryTypedDigitStays) {
    CColorEdit edit(CColorEdit::SingleLine);
    ASSERT_TRUE(edit.SetDigitsOnly(CColorEdit::kAnyLength));
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("78a1+2,345678"));
    EXPECT_EQ(edit.Text(), "7812345678");
}

TEST(ColorEditDigitsTest, MultiLineRefusesADigitFilter) {
    CColorEdit edit(CColorEdit::MultiLine);
    EXPECT_FALSE(edit.SetDigitsOnly(3));
    QTest::keyClicks(edit.plainTextEdit(), QStringLiteral("a1"));
    EXPECT_EQ(edit.Text(), "a1");
}

}  // namespace

TEST(ColorEditTextTest, ATextWiderThanItsBoxShowsItsBeginning) {
    CColorEdit edit(CColorEdit::SingleLine);
    edit.resize(40, 24);
    edit.SetText(QStringLiteral("2009162001"));
    EXPECT_EQ(edit.lineEdit()->cursorPosition(), 0);
    EXPECT_EQ(edit.Text(), QStringLiteral("2009162001"));
}
