// SPDX-License-Identifier: GPL-3.0-or-later
// The number page: the eight codes it forms when it opens, and saving them into a real database file, with
// the question before, the refusal of a second save, a cancelled question and a failing store.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/CRandomTable.h"
#include "pages/CNumberPage.h"
#include "shell/CNoticeDlg.h"
#include "shell/PluginFolders.h"
#include "tests/pages/PagesTestSupport.h"
#include "tests/support/AppFixture.h"
#include "tests/support/HistoryRowSql.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/PdfText.h"

namespace {

using Navigations = std::vector<std::pair<int, int>>;

const RecordedMessage kSaveFailed{Messages::kSaveFailed};

class NumberPageTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        dbPath = FreshDatabase(dir.path());
        app->OpenDatabase();
        app->LoadHistory();
        app->state.drawDate = COleDateTime(2010, 3, 5, 9, 41, 7);
        app->state.issueNumber = "10059";
        app->random.Fill(1267753267);
        notices = std::make_unique<ModalAnswer<CNoticeDlg>>([this](CNoticeDlg& notice) {
            noticeModes.push_back(notice.noticeMode);
            (answerSave ? notice.saveButton : notice.cancelButton).click();
        });
    }
    void TearDown() override {
        notices.reset();
        AppFixture::TearDown();
    }

    CNumberPage* Open() {
        return CreatePage<CNumberPage>(container, mainWindow, *app, app->state, app->random);
    }
    // The row the page should have stored for these codes.
    std::vector<std::string> RowFor(int order, const std::array<std::string, 8>& codes) const {
        std::vector<std::string> row = {std::to_string(order), "2010-03-05 09:41:07", "10059"};
        row.insert(row.end(), codes.begin(), codes.end());
        row.insert(row.end(), {"未知", "11"});
        return row;
    }

    std::string dbPath;
    PostedRecorder mainWindow;
    QWidget container;
    std::unique_ptr<ModalAnswer<CNoticeDlg>> notices;
    std::vector<NoticeMode> noticeModes;
    bool answerSave = true;
};

TEST_F(NumberPageTest, OpeningFormsTheEightCodesFromTheNextEighteenReadsAndShowsThem) {
    app->random.randomReadIndex = 7;
    CRandomTable copy = app->random;
    const std::array<std::string, 8> expected = FormEightCodes(copy);

    CNumberPage* page = Open();

    EXPECT_EQ(page->codes, expected);
    EXPECT_EQ(app->random.randomReadIndex, (7 + 18) % 30);
    EXPECT_FALSE(page->saved);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(page->codeEdits[i]->Text().toStdString(), expected[i]);
    }
    EXPECT_EQ(page->codeEdits[0]->geometry(), QRect(68, 174, 57, 27));
    EXPECT_EQ(page->codeEdits[7]->geometry(), QRect(582, 174, 57, 27));
    const QFont font = page->codeEdits[3]->lineEdit()->font();
    EXPECT_EQ(font.pixelSize(), 25);
    EXPECT_EQ(font.weight(), QFont::Black);
    EXPECT_EQ(page->codeEdits[5]->BackColour(), RGB(173, 221, 232));
    EXPECT_EQ(page->codeEdits[5]->TextColour(), RGB(0, 40, 40));
}

TEST_F(NumberPageTest, CodesFourAndEightAreCodesThreeAndSevenWithEveryDigitRaisedByOne) {
    for (const std::uint32_t seed : {1u, 77u, 20100305u, 4000000000u}) {
        app->random.Fill(seed);
        const CNumberPage* page = Open();
        for (const auto& [low, high] : {std::pair{2, 3}, std::pair{6, 7}}) {
            const std::string& from = page->codes[static_cast<std::size_t>(low)];
            const std::string& raised = page->codes[static_cast<std::size_t>(high)];
            ASSERT_EQ(from.size(), 3u);
            ASSERT_EQ(raised.size(), 3u);
            for (std::size_t digit = 0; digit < 3; ++digit) {
                EXPECT_EQ(raised[digit], from[digit] + 1) << "seed " << seed << ": " << from << " " << raised;
            }
        }
    }
}

// The boxes show the codes and nothing else can get into them: no typing, no focus, no Tab stop. What is
// saved is what is shown.
TEST_F(NumberPageTest, TheCodeBoxesOnlyShowTheCodesAndTheSavedCodesAreTheShownOnes) {
    CNumberPage* page = Open();
    container.show();
    const std::array<std::string, 8> formed = page->codes;
    for (CColorEdit* box : page->codeEdits) {
        QLineEdit* line = box->lineEdit();
        EXPECT_TRUE(line->isReadOnly());
        EXPECT_EQ(line->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(line, Qt::LeftButton);
        EXPECT_FALSE(line->hasFocus());
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, QStringLiteral("123"));
    }
    std::array<std::string, 8> shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i] = page->codeEdits[i]->Text().toStdString();
    }
    EXPECT_EQ(shown, formed);

    page->saveButton.click();

    EXPECT_EQ(noticeModes, std::vector{NoticeMode::saveQuestion});
    EXPECT_EQ(messages, std::vector<RecordedMessage>{kSaved});
    EXPECT_TRUE(page->saved);
    EXPECT_EQ(HistoryRows(dbPath), std::vector<std::vector<std::string>>{RowFor(1, shown)});
    EXPECT_EQ(app->HistoryCount(), 1) << "the history was reloaded";
}

TEST_F(NumberPageTest, ASecondSaveIsOnlyRefused) {
    CNumberPage* page = Open();
    page->saveButton.click();
    page->saveButton.click();

    EXPECT_EQ(noticeModes.size(), 1u);
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{kSaved, kAlreadySaved}));
    EXPECT_EQ(HistoryRows(dbPath).size(), 1u);
}

TEST_F(NumberPageTest, ACancelledQuestionStoresNothingAndTheNextSaveAsksAgain) {
    CNumberPage* page = Open();
    answerSave = false;
    page->saveButton.click();

    EXPECT_EQ(noticeModes.size(), 1u);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(page->saved);
    EXPECT_TRUE(HistoryRows(dbPath).empty());

    answerSave = true;
    page->saveButton.click();
    EXPECT_EQ(noticeModes.size(), 2u);
    EXPECT_EQ(messages, std::vector<RecordedMessage>{kSaved});
    EXPECT_EQ(HistoryRows(dbPath), std::vector<std::vector<std::string>>{RowFor(1, page->codes)});
}

// The reload after the failed write cannot read the history either, and says so as every load does.
TEST_F(NumberPageTest, AFailingStoreIsReportedAndThePageStaysUnsaved) {
    CNumberPage* page = Open();
    RunSql(dbPath, "DROP TABLE data_history");  // another program removes the table under the running one
    page->saveButton.click();

    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), kSaveFailed);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), kSaved), 0);
    EXPECT_FALSE(page->saved);

    messages.clear();
    page->saveButton.click();
    EXPECT_EQ(noticeModes.size(), 2u) << "an unsaved page asks again";
    EXPECT_EQ(std::count(messages.begin(), messages.end(), kAlreadySaved), 0);
}

// Another copy of the program saved meanwhile: a record of another day only moves this one to the next
// number; a record of this very day refuses the save in the date dialog's words, and the page stays unsaved.
TEST_F(NumberPageTest, AnotherCopysRecordTakesTheNumberAndItsDayRefusesTheSave) {
    const auto otherCopySaves = [this](int order, const char* date) {
        RunSql(dbPath, InsertHistorySql({.order = order,
                                         .date = date,
                                         .openOrder = "other",
                                         .codes = {"001", "002", "003", "114", "005", "006", "007", "118"}}));
    };
    otherCopySaves(1, "2010-03-04 08:00:00");
    CNumberPage* page = Open();
    page->saveButton.click();
    EXPECT_EQ(messages, std::vector<RecordedMessage>{kSaved});
    EXPECT_EQ(HistoryRows(dbPath).back(), RowFor(2, page->codes));

    messages.clear();
    otherCopySaves(3, "2010-03-06 23:00:00");
    app->state.drawDate = COleDateTime(2010, 3, 6, 9, 41, 7);
    CNumberPage* sameDay = Open();
    sameDay->saveButton.click();
    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kDayTaken});
    EXPECT_FALSE(sameDay->saved);
    EXPECT_EQ(HistoryRows(dbPath).size(), 3u);
    EXPECT_EQ(app->RecordSlots(), (std::vector<int>{1, 2, 3})) << "the history was reloaded";
}

// The page's menu and keys: Ctrl+C puts the one line of date, issue and codes on the clipboard, Ctrl+P shows
// the slip to be printed, and 导出 PDF… writes it with the calendar, the hexagrams and every code.
TEST_F(NumberPageTest, TheCodesAreCopiedPrintedAndExportedAsAPdfSlip) {
    app->state.mainGua = std::make_unique<CGuaReading>(1, 8, 3, "寅", "子", true);
    app->state.mutualGua = std::make_unique<CGuaReading>(7, 2, 0, "寅", "子", false);
    app->state.changedGua = std::make_unique<CGuaReading>(1, 7, 0, "寅", "子", false);
    CNumberPage* page = Open();
    page->show();  // as the main window shows it
    container.show();
    container.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&container));
    EXPECT_EQ(page->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList items;
    for (const QAction* action : page->actions()) {
        items << action->text() + QLatin1Char(' ') + action->shortcut().toString();
    }
    EXPECT_EQ(items, (QStringList{"复制号码 Ctrl+C", "打印预测单… Ctrl+P", "导出 PDF… "}));

    QString codes;
    for (const std::string& code : page->codes) {
        codes += QLatin1Char(' ') + QString::fromStdString(code);
    }
    QGuiApplication::clipboard()->clear();
    page->saveButton.setFocus();
    QTest::keyClick(&page->saveButton, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("2010-03-05 第10059期 预测号码：") + codes.mid(1));

    QString previewTitle;
    {
        ModalAnswer<QPrintPreviewDialog> preview([&previewTitle](QPrintPreviewDialog& dialog) {
            previewTitle = dialog.windowTitle();
            dialog.reject();
        });
        QTest::keyClick(&page->saveButton, Qt::Key_P, Qt::ControlModifier);
    }
    EXPECT_EQ(previewTitle, QStringLiteral("打印预测单"));

    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("预测单.pdf"));
    {
        ModalAnswer<QFileDialog> chooser([&pdf](QFileDialog& dialog) {
            dialog.selectFile(pdf);
            static_cast<QDialog&>(dialog).accept();
        });
        page->slipActions.pdf->trigger();
    }
    EXPECT_EQ(messages,
              (std::vector<RecordedMessage>{{Messages::kSlipExported, "“" + pdf.toStdString() + "”"}}));
    const QString text = PdfText(pdf);
    for (const QString& shown :
         {QStringLiteral("开奖日期：2010-03-05"), QStringLiteral("第10059期"), QStringLiteral("农历一月二十"),
          QStringLiteral("庚寅年戊寅月甲寅日"),
          QStringLiteral("主卦：") + QString::fromStdString(app->state.mainGua->hexagramName),
          QStringLiteral("变卦："), QStringLiteral("Quintara")}) {
        EXPECT_TRUE(text.contains(shown)) << shown.toStdString() << " not in\n" << text.toStdString();
    }
    for (const std::string& code : page->codes) {
        EXPECT_TRUE(text.contains(QString::fromStdString(code))) << code;
    }
}

// The preview is a plugin loaded on the first print: a program folder copied without it says what is missing,
// instead of a print that silently never comes.
TEST_F(NumberPageTest, WithoutThePrintPluginPrintingSaysWhatIsMissing) {
    app->state.mainGua = std::make_unique<CGuaReading>(1, 8, 3, "寅", "子", true);
    app->state.mutualGua = std::make_unique<CGuaReading>(7, 2, 0, "寅", "子", false);
    app->state.changedGua = std::make_unique<CGuaReading>(1, 7, 0, "寅", "子", false);
    CNumberPage* page = Open();
    const QTemporaryDir empty;
    const QStringList buildFolders = PluginFolders();
    SetPluginFolders({empty.path()});
    page->slipActions.print->trigger();
    SetPluginFolders(buildFolders);
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{{Messages::kPrintUnavailable, "morvint_print.so"}}));
}

TEST_F(NumberPageTest, TheArrowsLeadBackToTheExplanationAndReturnLeadsHome) {
    CNumberPage* page = Open();
    EXPECT_EQ(page->previousButton.geometry(), QRect(60, 320, 42, 27));
    EXPECT_EQ(page->saveButton.geometry(), QRect(505, 320, 42, 27));
    EXPECT_EQ(page->backButton.geometry(), QRect(580, 395, 71, 25));

    page->previousButton.click();
    page->backButton.click();
    DeliverPosted();

    EXPECT_EQ(mainWindow.Navigations(), (Navigations{{14, 13}, {14, 0}}));
}

}  // namespace
