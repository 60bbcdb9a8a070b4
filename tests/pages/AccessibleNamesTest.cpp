// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says for every window: each skinned button by the words on its picture, each text box
// by the caption beside it on the background, the player's labels and the date labels as text, the sex
// squares as options that say which is chosen, the statistics window's square as a check box. Each window is
// also swept for any control that takes the focus and has no name, so a control added later without one fails
// here.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "app/CMainDlg.h"
#include "app/CNavPanel.h"
#include "controls/PostedMessage.h"
#include "pages/CDateInputDlg.h"
#include "pages/CExplainPage.h"
#include "pages/CHistoryPage.h"
#include "pages/CNumberPage.h"
#include "pages/CPlayerPage.h"
#include "pages/CShowGuaPage.h"
#include "pages/CStartPage.h"
#include "pages/CStatisticsDlg.h"
#include "shell/CAboutDlg.h"
#include "shell/CNoticeDlg.h"
#include "tests/pages/PagesTestSupport.h"
#include "tests/support/StoreRecords.h"

namespace {

struct Named {
    QWidget* control;
    QAccessible::Role role;
    QString name;
};

constexpr QAccessible::Role kButton = QAccessible::Button;
constexpr QAccessible::Role kText = QAccessible::EditableText;

class AccessibleNamesTest : public AppFixture {
protected:
    static void ExpectNamed(const std::vector<Named>& controls) {
        for (const Named& expected : controls) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(expected.control);
            ASSERT_NE(control, nullptr) << expected.name.toStdString();
            EXPECT_EQ(control->text(QAccessible::Name), expected.name);
            EXPECT_EQ(control->role(), expected.role) << expected.name.toStdString();
        }
    }

    // The controls of window that take the focus and have no name, one "class at x,y" a line; the parts of a
    // spin box or a combo box (its line, its list) speak through the box, and a box that hands its focus to
    // an inner editor speaks through that editor.
    static std::string Unnamed(QWidget& window) {
        QStringList unnamed;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus || widget->focusProxy() != nullptr ||
                IsPartOfABox(*widget)) {
                continue;
            }
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
            if (control == nullptr || control->text(QAccessible::Name).trimmed().isEmpty()) {
                unnamed << QString::fromLatin1(widget->metaObject()->className()) + QStringLiteral(" at ") +
                               QStringLiteral("%1,%2").arg(widget->x()).arg(widget->y());
            }
        }
        return unnamed.join(u'\n').toStdString();
    }
    static bool IsPartOfABox(const QWidget& widget) {
        for (QWidget* up = widget.parentWidget(); up != nullptr; up = up->parentWidget()) {
            if (qobject_cast<QAbstractSpinBox*>(up) != nullptr || qobject_cast<QComboBox*>(up) != nullptr) {
                return true;
            }
        }
        return false;
    }

    static void ExpectDescribed(QWidget& window, const QString& name, const QString& description) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), name);
        EXPECT_EQ(accessible->text(QAccessible::Description), description);
    }

    // The pages go before the application whose store and prediction they were handed.
    void TearDown() override {
        qDeleteAll(container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
        AppFixture::TearDown();
    }

    template <class Page, class... Arguments>
    Page& Make(Arguments&&... arguments) {
        return *CreatePage<Page>(container, recorder, std::forward<Arguments>(arguments)...);
    }

    QWidget container;
    PostedRecorder recorder;
};

TEST_F(AccessibleNamesTest, TheMainWindowNamesThePanelAndReadsThePlayerLabelsAsText) {
    SetProfileField(*app, &PlayerProfile::name, "新玩家");
    CMainDlg window(*app);
    auto& panel = dynamic_cast<CNavPanel&>(*window.navContainer.Page(0));
    ExpectNamed({{&panel.predictButton, kButton, QStringLiteral("周易预测号码")},
                 {&panel.recordsButton, kButton, QStringLiteral("预测记录")},
                 {&panel.playerButton, kButton, QStringLiteral("玩家资料")},
                 {&panel.answersButton, kButton, QStringLiteral("答疑")},
                 {&panel.aboutButton, kButton, QStringLiteral("关于")},
                 {&window.exitButton, kButton, QStringLiteral("退出")},
                 {&window.playerLabel, QAccessible::StaticText, QStringLiteral("新玩家    ")},
                 {&window.zodiacLabel, QAccessible::StaticText, QStringLiteral("龙")}});
    EXPECT_EQ(Unnamed(window), "");

    // The card that the focus brings up is a picture: it is named and explained in words, as its button is.
    window.show();
    PostMessageTo(&window, WM_SHOWPICTURE, MessageParam(ViewKind::Records), kShowPictureQuietly);
    DeliverPosted();
    ASSERT_TRUE(window.picture.isVisible());
    ExpectDescribed(window.picture, QStringLiteral("预测记录"),
                    QStringLiteral("查看每一期保存的预测，开奖后输入号码，自动判定命中"));
    EXPECT_EQ(panel.recordsButton.accessibleDescription(), window.picture.accessibleDescription());
}

TEST_F(AccessibleNamesTest, TheDateNoticeAndAboutDialogs) {
    CDateInputDlg date(*app, app->state, OpenHelp);
    date.show();
    ExpectNamed({{&date.datePicker, QAccessible::SpinBox, QStringLiteral("开奖日期")},
                 {&date.issueEdit, kText, QStringLiteral("期号")},
                 {&date.okButton, kButton, QStringLiteral("确定")},
                 {&date.cancelButton, kButton, QStringLiteral("取消")},
                 {&date.helpButton, kButton, QStringLiteral("关于预测")}});
    EXPECT_EQ(Unnamed(date), "");

    // The words of the pictures: the dialogs' titles and what they say below them.
    ExpectDescribed(date, QStringLiteral("开奖日期与期号"),
                    QStringLiteral("请选择尚未开奖的日期，并输入该期期号"));
    CNoticeDlg dateNotice;
    dateNotice.noticeMode = NoticeMode::dateNotPredictable;
    dateNotice.show();
    ExpectDescribed(dateNotice, QStringLiteral("此日不能预测"),
                    QStringLiteral("所选日期已经开奖，或这一天的号码已经预测并保存过。请重新选择开奖日期。"));

    CNoticeDlg notice;
    notice.noticeMode = NoticeMode::saveQuestion;
    notice.show();
    ExpectDescribed(
        notice, QStringLiteral("保存预测"),
        QStringLiteral(
            "将本次的八组预测号码存入预测记录？保存后可在【预测记录】中输入开奖号码，查看是否命中。"));
    ExpectNamed({{&notice.okButton, kButton, QStringLiteral("确定")},
                 {&notice.saveButton, kButton, QStringLiteral("保存")},
                 {&notice.cancelButton, kButton, QStringLiteral("取消")}});
    EXPECT_EQ(Unnamed(notice), "");

    CAboutDlg about;
    about.show();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about)->text(QAccessible::Name),
              QStringLiteral("关于 Quintara V4.3"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about.link)->text(QAccessible::Name),
              QStringLiteral("访问 Quintara 主页"));
    EXPECT_EQ(Unnamed(about), "");
}

TEST_F(AccessibleNamesTest, ThePagesOfAPrediction) {
    auto& start = Make<CStartPage>(app->state);
    ExpectNamed({{&start.castButton, kButton, QStringLiteral("立即起卦")},
                 {&start.backButton, kButton, QStringLiteral("返回")}});

    auto& show = Make<CShowGuaPage>(app->state);
    ExpectNamed({{&show.nextButton, kButton, QStringLiteral("卦辞详解")},
                 {&show.backButton, kButton, QStringLiteral("返回")},
                 {show.mainNameEdit.editor(), kText, QStringLiteral("主卦")},
                 {show.mutualNameEdit.editor(), kText, QStringLiteral("互卦")},
                 {show.changedNameEdit.editor(), kText, QStringLiteral("变卦")},
                 {show.movingLineEdit.editor(), kText, QStringLiteral("动爻")},
                 {&show.calendarLabel, QAccessible::StaticText, show.calendarLabel.text()}});
    EXPECT_TRUE(show.calendarLabel.text().startsWith(QStringLiteral("公历:")));

    auto& explain = Make<CExplainPage>(app->state);
    ExpectNamed({{&explain.nextButton, kButton, QStringLiteral("下一步：预测号码")},
                 {&explain.backButton, kButton, QStringLiteral("返回")},
                 {explain.mainNameEdit.editor(), kText, QStringLiteral("主卦")},
                 {explain.mainJudgementEdit.editor(), kText, QStringLiteral("主卦卦辞")},
                 {explain.mutualJudgementEdit.editor(), kText, QStringLiteral("互卦卦辞")},
                 {explain.changedJudgementEdit.editor(), kText, QStringLiteral("变卦卦辞")},
                 {explain.movingLineVerseEdit.editor(), kText, QStringLiteral("爻辞")},
                 {explain.summaryEdit.editor(), kText, QStringLiteral("体用断语")},
                 {&explain.sexagenaryLabel, QAccessible::StaticText, explain.sexagenaryLabel.text()}});

    auto& numbers = Make<CNumberPage>(*app, app->state, app->random);
    ExpectNamed({{&numbers.previousButton, kButton, QStringLiteral("返回解卦")},
                 {&numbers.saveButton, kButton, QStringLiteral("保存预测")},
                 {&numbers.backButton, kButton, QStringLiteral("返回")},
                 {numbers.codeEdits.front()->editor(), kText, QStringLiteral("第一组")},
                 {numbers.codeEdits[4]->editor(), kText, QStringLiteral("第五组")},
                 {numbers.codeEdits.back()->editor(), kText, QStringLiteral("第八组")}});

    EXPECT_EQ(Unnamed(container), "");
}

TEST_F(AccessibleNamesTest, TheRecordsAndPlayerPages) {
    auto& records = Make<CHistoryPage>(*app);
    ExpectNamed({{records.issueEdit.editor(), kText, QStringLiteral("期号")},
                 {&records.drawNumberEdit, kText, QStringLiteral("输入开奖号码")},
                 {&records.confirmButton, kButton, QStringLiteral("确定")},
                 {&records.backButton, kButton, QStringLiteral("返回")},
                 {&records.list, QAccessible::Table, QStringLiteral("预测记录")}});

    auto& player = Make<CPlayerPage>(*app, OpenHelp);
    ExpectNamed({{&player.nameEdit, kText, QStringLiteral("姓名")},
                 {&player.maleButton, QAccessible::RadioButton, QStringLiteral("先生")},
                 {&player.femaleButton, QAccessible::RadioButton, QStringLiteral("小姐")},
                 {&player.zodiacCombo, QAccessible::ComboBox, QStringLiteral("生肖")},
                 {&player.saveButton, kButton, QStringLiteral("保存资料")},
                 {player.fortuneCodeEdit.editor(), kText, QStringLiteral("财运代码")},
                 {&player.applyCodeButton, kButton, QStringLiteral("保存财运代码")},
                 {&player.fortuneHelpButton, kButton, QStringLiteral("关于财运代码")},
                 {player.startYearEdit.editor(), kText, QStringLiteral("起始年份")},
                 {player.monthEdits.front()->editor(), kText, QStringLiteral("第一个月")},
                 {player.monthEdits.back()->editor(), kText, QStringLiteral("第十二个月")},
                 {player.nextYearEdit.editor(), kText, QStringLiteral("次年年份")}});

    EXPECT_EQ(Unnamed(container), "");
}

// The squares' pictures show the chosen sex; a screen reader hears it as the checked option, and a change.
TEST_F(AccessibleNamesTest, TheSexSquaresSayWhichIsChosen) {
    SetProfileField(*app, &PlayerProfile::sex, "先生");
    auto& player = Make<CPlayerPage>(*app, OpenHelp);
    QAccessibleInterface* male = QAccessible::queryAccessibleInterface(&player.maleButton);
    QAccessibleInterface* female = QAccessible::queryAccessibleInterface(&player.femaleButton);
    EXPECT_TRUE(male->state().checked);
    EXPECT_FALSE(female->state().checked);

    player.femaleButton.click();

    EXPECT_FALSE(male->state().checked);
    EXPECT_TRUE(female->state().checked);
    EXPECT_EQ(player.playerSex, QStringLiteral("小姐"));
}

// The square of 只统计当前的记录 switches one thing on and off by itself: a check box, not one of a group.
TEST_F(AccessibleNamesTest, TheStatisticsSquareIsACheckBoxThatSaysWhetherItIsChecked) {
    const StatisticsFigures figures = ComputeStatisticsFigures({}, LedgerPrices{});
    CStatisticsDlg dialog(figures, figures, 1, LedgerPrices{});
    dialog.show();
    ExpectNamed({{&dialog.currentOnlyButton, QAccessible::CheckBox, QStringLiteral("只统计当前的记录")}});
    QAccessibleInterface* square = QAccessible::queryAccessibleInterface(&dialog.currentOnlyButton);
    EXPECT_TRUE(square->state().checkable);
    EXPECT_FALSE(square->state().checked);

    dialog.currentOnlyButton.click();

    EXPECT_TRUE(square->state().checked);
}

}  // namespace
