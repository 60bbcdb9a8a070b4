// SPDX-License-Identifier: GPL-3.0-or-later
// The records list's context menu: the statistics and the draw import reached through it, and archiving the
// oldest records that have their draw result, after asking how many and naming them, with a safety copy first
// and the rest numbered again; a cancelled question or a failed write changes nothing.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "pages/CArchiveDlg.h"
#include "pages/CHistoryPage.h"
#include "pages/CStatisticsDlg.h"
#include "pages/FileChoice.h"
#include "pages/RecordTexts.h"
#include "store/HistoryRecord.h"
#include "tests/pages/PageStoreFixture.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/PdfText.h"

namespace {

using Rows_ = std::vector<std::vector<std::string>>;

const std::array<std::string, 8> kCodes = {"386", "012", "907", "555", "243", "555", "659", "760"};
const QString kArchiveItem = QStringLiteral("归档已开奖的记录…");

// The lines of a message, one after another.
QString Lines(const std::vector<std::string>& lines) {
    QStringList joined;
    for (const std::string& line : lines) {
        joined << QString::fromStdString(line);
    }
    return joined.join(QStringLiteral("\r\n"));
}

// The question that names the records to archive, each by its date and issue.
QString ArchiveQuestionText(const std::vector<std::pair<std::string, std::string>>& named,
                            std::size_t count) {
    std::vector<std::string> lines{FormatText(Messages::kArchiveQuestion, count)};
    for (const auto& [date, issue] : named) {
        lines.push_back(date.empty() ? Messages::kArchiveQuestionGap.text
                                     : FormatText(Messages::kArchiveQuestionRecord, date, issue));
    }
    lines.push_back(FormatText(Messages::kArchiveQuestionEnd, Messages::kArchiveLosesNothing.text));
    return Lines(lines);
}

class RecordsMenuTest : public PageStoreFixture {
protected:
    // Records 1 .. 5 of June 2009, the first three with their results.
    // The page goes before the application whose store it was handed.
    void TearDown() override {
        page.reset();
        PageStoreFixture::TearDown();
    }
    void SetUp() override {
        PageStoreFixture::SetUp();
        page = std::make_unique<CHistoryPage>(*app);
        for (int order = 1; order <= 5; ++order) {
            const std::string date = "2009-06-1" + std::to_string(order + 4) + " 10:00:00";
            if (order <= 3) {
                AddRecord(order, date, kCodes, 0, "000");
            } else {
                AddRecord(order, date, kCodes);
            }
        }
        OpenStore();
        Show(*page);
    }
    // Runs the archiving from the menu: the count dialog gets count (0: cancelled), the question the answer.
    void Archive(int count, const QString& answer) {
        ModalAnswer<QInputDialog> countDialog([this, count](QInputDialog& dialog) {
            countRange = {dialog.intMinimum(), dialog.intMaximum()};
            if (count == 0) {
                dialog.reject();
                return;
            }
            dialog.setIntValue(count);
            dialog.accept();
        });
        ModalAnswer<QMessageBox> questionBox([this, answer](QMessageBox& box) {
            questions.push_back({box.text(), box.windowTitle()});
            for (QAbstractButton* button : box.buttons()) {
                if (button->text() == answer) {
                    button->click();
                }
            }
        });
        ArchiveAction(*page->CreateListMenu())->trigger();
    }
    // The items of the popup menu that open brings up, read and closed as soon as it shows.
    static QStringList ItemsOfTheMenuOpenedBy(const std::function<void()>& open) {
        QStringList items;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&items] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions()) {
                    items << action->text();
                }
                menu->close();
            }
        });
        closer.start(5);
        open();
        return items;
    }
    static QAction* ArchiveAction(QMenu& menu) { return Action(menu, kArchiveItem); }
    static QAction* Action(QMenu& menu, const QString& text) {
        for (QAction* action : menu.actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        ADD_FAILURE() << "no item " << text.toStdString() << " in the menu";
        return menu.addAction(QStringLiteral("missing"));
    }
    Rows_ Records() const {
        return Rows("SELECT record_order, open_order, open_data FROM data_history ORDER BY record_order");
    }
    QStringList Issues() const {
        QStringList issues;
        for (int row = 0; row < page->list.rowCount(); ++row) {
            issues << page->list.CellText(row, 1);
        }
        return issues;
    }

    FixedClock clock{2009, 6, 25, 9, 0, 0};
    std::unique_ptr<CHistoryPage> page;
    std::pair<int, int> countRange;
    std::vector<RecordedMessage> questions;
};

TEST_F(RecordsMenuTest, ARightClickOnTheListOpensTheMenu) {
    const QStringList items = ItemsOfTheMenuOpenedBy([this] {
        const QPoint at(20, 10);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, page->list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(page->list.viewport(), &click);
    });
    const QStringList expected{QStringLiteral("统计"),
                               QStringLiteral("导出为 CSV…"),
                               QStringLiteral("导出为 Excel 表格…"),
                               QStringLiteral("导入开奖号码…"),
                               kArchiveItem,
                               QStringLiteral("查看归档…"),
                               QString(),
                               QStringLiteral("复制号码"),
                               QStringLiteral("打印预测单…"),
                               QStringLiteral("导出 PDF…")};
    EXPECT_EQ(items.join(u'|').toStdString(), expected.join(u'|').toStdString());
}

// Shift+F10 in the list, for keyboards without a Menu key, opens the same menu.
TEST_F(RecordsMenuTest, ShiftF10InTheListOpensTheMenu) {
    const QStringList items = ItemsOfTheMenuOpenedBy([this] {
        page->list.setFocus();
        QTest::keyClick(&page->list, Qt::Key_F10, Qt::ShiftModifier);
    });
    QStringList expected;
    const std::unique_ptr<QMenu> menu = page->CreateListMenu();
    for (const QAction* action : menu->actions()) {
        expected << action->text();
    }
    ASSERT_FALSE(items.isEmpty());
    EXPECT_EQ(items, expected);
}

// 统计 counts the records of the file; 导入开奖号码… enters the draws of the chosen file through the page's
// rules, says what it did and shows the list as the file now holds it.
TEST_F(RecordsMenuTest, TheStatisticsAndTheDrawImportWorkFromTheMenu) {
    QStringList counts;
    {
        ModalAnswer<CStatisticsDlg> statistics([&counts](CStatisticsDlg& dialog) {
            counts = dialog.CellTexts().mid(0, 4);
            dialog.okButton.click();
        });
        Action(*page->CreateListMenu(), QStringLiteral("统计"))->trigger();
    }
    EXPECT_EQ(counts, (QStringList{"5 条", "3 期", "2 条", "0"}));

    const QString draws = dir.filePath(QStringLiteral("开奖.txt"));
    QFile file(draws);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2009-06-18,386\n2009-06-19,12\n");
    file.close();
    {
        ModalAnswer<QFileDialog> chooser([&draws](QFileDialog& dialog) {
            dialog.selectFile(draws);
            static_cast<QDialog&>(dialog).accept();  // QFileDialog keeps its own accept() protected
        });
        Action(*page->CreateListMenu(), QStringLiteral("导入开奖号码…"))->trigger();
    }
    const RecordedMessage summary{
        QString::fromStdString(
            FormatText(Messages::kImportTally, 1, 1) + "\n" +
            FormatText(Messages::kRefusedLine, 2, FormatText(Messages::kDrawNotANumber, "12"))),
        CaptionOf(Messages::kImportTally)};
    EXPECT_EQ(messages, std::vector<RecordedMessage>{summary});
    EXPECT_EQ(Records()[3], (std::vector<std::string>{"4", "10004", "386"}));
    EXPECT_EQ(page->list.CellText(3, 10), QStringLiteral("386"));
    EXPECT_EQ(page->list.CellText(3, 11), QStringLiteral("正确"));
}

// Another copy of the program (or the command line) changes the file while this page is open: each command
// starts from what the file holds now, and the list shows it afterwards.
TEST_F(RecordsMenuTest, EveryCommandStartsFromWhatTheFileHoldsNow) {
    Sql("UPDATE data_history SET open_data = '012', is_right = 2 WHERE record_order = 4");
    const QString draws = dir.filePath(QStringLiteral("开奖.txt"));
    QFile file(draws);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2009-06-19,243\n");
    file.close();
    const QString csv = dir.filePath(QStringLiteral("记录.csv"));
    ModalAnswer<QFileDialog> chooser([&](QFileDialog& dialog) {
        dialog.selectFile(dialog.acceptMode() == QFileDialog::AcceptOpen ? draws : csv);
        static_cast<QDialog&>(dialog).accept();
    });

    Action(*page->CreateListMenu(), QStringLiteral("导入开奖号码…"))->trigger();
    EXPECT_EQ(messages.front(), RecordedMessage(Messages::kImportTally, 1, 0))
        << "record 4 is no longer waiting";
    EXPECT_EQ(page->list.CellText(3, 10), QStringLiteral("012"));
    EXPECT_EQ(page->list.CellText(4, 10), QStringLiteral("243"));

    Sql("UPDATE data_history SET open_data = '未知', is_right = 11 WHERE record_order = 5");
    QStringList counts;
    {
        ModalAnswer<CStatisticsDlg> statistics([&counts](CStatisticsDlg& dialog) {
            counts = dialog.CellTexts().mid(0, 3);
            dialog.okButton.click();
        });
        Action(*page->CreateListMenu(), QStringLiteral("统计"))->trigger();
    }
    EXPECT_EQ(counts, (QStringList{"5 条", "4 期", "1 条"}));
    EXPECT_EQ(page->list.CellText(4, 10), QStringLiteral("未知"));

    Sql("UPDATE data_history SET open_data = '555', is_right = 4 WHERE record_order = 5");
    Action(*page->CreateListMenu(), QStringLiteral("导出为 CSV…"))->trigger();
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        exported.readAll().contains("\r\n2009-06-19,10005,386,012,907,555,243,555,659,760,555,正确\r\n"));
}

// The workbook from the menu holds every record; the selected record's codes go to the clipboard as one line
// and to a PDF slip, which names no hexagrams: a saved record does not keep them.
TEST_F(RecordsMenuTest, TheWorkbookTheCopiedCodesAndTheSlipOfTheSelectedRecord) {
    QString chosen;
    ModalAnswer<QFileDialog> chooser([&chosen](QFileDialog& dialog) {
        dialog.selectFile(chosen);
        static_cast<QDialog&>(dialog).accept();
    });
    chosen = dir.filePath(QStringLiteral("记录.xlsx"));
    Action(*page->CreateListMenu(), QStringLiteral("导出为 Excel 表格…"))->trigger();
    const std::string exported = FormatText(Messages::kExported, 5, "", "“" + chosen.toStdString() + "”");
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{{Messages::kWorkbookExportBox, exported}}));
    QFile workbook(chosen);
    ASSERT_TRUE(workbook.open(QIODevice::ReadOnly));
    EXPECT_TRUE(workbook.read(2) == "PK") << "a zip file";
    messages.clear();

    page->list.selectRow(1);
    ASSERT_TRUE(Action(*page->CreateListMenu(), QStringLiteral("复制号码"))->isEnabled());
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&page->list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("2009-06-16 第10002期 预测号码：386 012 907 555 243 555 659 760"));

    chosen = dir.filePath(QStringLiteral("预测单.pdf"));
    Action(*page->CreateListMenu(), QStringLiteral("导出 PDF…"))->trigger();
    EXPECT_EQ(messages,
              (std::vector<RecordedMessage>{{Messages::kSlipExported, "“" + chosen.toStdString() + "”"}}));
    const QString text = PdfText(chosen);
    EXPECT_TRUE(text.contains(QStringLiteral("开奖日期：2009-06-16"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("第10002期")));
    EXPECT_TRUE(text.contains(QStringLiteral("己丑年"))) << "the pillars, from the record's date";
    EXPECT_TRUE(text.contains(QStringLiteral("659")));
    EXPECT_FALSE(text.contains(QStringLiteral("主卦"))) << "no hexagrams made up for a saved record";
}

// Each file dialog opens in the folder of the file the last one gave back, a written file or one to read, and
// that folder comes before the safety copies' folder the restore would otherwise open in; a cancelled dialog
// moves nothing.
TEST_F(RecordsMenuTest, EachFileDialogOpensWhereTheLastOneLeftOff) {
    const QString exports = dir.filePath(QStringLiteral("导出"));
    const QString draws = dir.filePath(QStringLiteral("开奖"));
    ASSERT_TRUE(QDir().mkpath(exports));
    ASSERT_TRUE(QDir().mkpath(draws));
    QFile drawsFile(QDir(draws).filePath(QStringLiteral("开奖.txt")));
    ASSERT_TRUE(drawsFile.open(QIODevice::WriteOnly));
    drawsFile.write("2009-06-18,386\n");
    drawsFile.close();
    QString chosen;  // empty: cancel
    QStringList openedIn;
    ModalAnswer<QFileDialog> chooser([&](QFileDialog& dialog) {
        openedIn << dialog.directory().absolutePath();
        if (chosen.isEmpty()) {
            dialog.reject();
            return;
        }
        dialog.selectFile(chosen);
        static_cast<QDialog&>(dialog).accept();
    });
    const auto choose = [&](const QString& item, const QString& file) {
        chosen = file;
        Action(*page->CreateListMenu(), item)->trigger();
    };

    choose(QStringLiteral("导出为 CSV…"), QDir(exports).filePath(QStringLiteral("记录.csv")));
    choose(QStringLiteral("导入开奖号码…"), QString());
    choose(QStringLiteral("导入开奖号码…"), drawsFile.fileName());
    choose(QStringLiteral("导出为 Excel 表格…"), QString());
    choose(QStringLiteral("导出为 Excel 表格…"), QString());

    ASSERT_EQ(openedIn.size(), 5);
    EXPECT_EQ(openedIn.mid(1), (QStringList{exports, exports, draws, draws}));
    EXPECT_EQ(StartFolder(dir.path()), draws) << "before the restore's safety copies";
    EXPECT_EQ(Records()[3], (std::vector<std::string>{"4", "10004", "386"}));
}

// A GBK name reaches the program as U+FFFD: writing it would make a file of another name, so nothing is
// written.
TEST_F(RecordsMenuTest, ANameTheProgramCannotRepresentIsRefused) {
    const QString shown = dir.filePath(QStringLiteral("\uFFFD\uFFFD.csv"));
    ModalAnswer<QFileDialog> chooser([&shown](QFileDialog& dialog) {
        dialog.selectFile(shown);
        static_cast<QDialog&>(dialog).accept();
    });
    Action(*page->CreateListMenu(), QStringLiteral("导出为 CSV…"))->trigger();
    EXPECT_EQ(messages, (std::vector<RecordedMessage>{{Messages::kFileNameNotUtf8, shown.toStdString()}}));
    EXPECT_FALSE(QFile::exists(shown));
}

// The database's journal, which SQLite would take for its own, and the database by a hard link: refused as
// soon as the file dialog closes, with nothing written, for the CSV and the PDF slip alike.
TEST_F(RecordsMenuTest, AnExportOverTheDatabaseOrItsJournalIsRefused) {
    const QString journal = QString::fromStdString(database) + QStringLiteral("-journal");
    const QString hardLink = dir.filePath(QStringLiteral("记录.csv"));
    ASSERT_EQ(::link(database.c_str(), hardLink.toStdString().c_str()), 0);
    QString chosen;
    ModalAnswer<QFileDialog> chooser([&chosen](QFileDialog& dialog) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(chosen);
        static_cast<QDialog&>(dialog).accept();
    });
    const std::pair<QString, QString> refused[] = {{journal, QStringLiteral("导出为 CSV…")},
                                                   {hardLink, QStringLiteral("导出 PDF…")}};
    page->list.selectRow(1);
    for (const auto& [file, item] : refused) {
        chosen = file;
        messages.clear();
        Action(*page->CreateListMenu(), item)->trigger();
        const MessageText& why = file == journal ? Messages::kIsTheJournal : Messages::kIsTheDatabase;
        EXPECT_EQ(messages, (std::vector<RecordedMessage>{{why, "“" + file.toStdString() + "”"}}));
    }
    EXPECT_FALSE(QFile::exists(journal));
    EXPECT_EQ(Rows("SELECT count(*) FROM data_history"), (Rows_{{"5"}}));
}

// Every refusal has its own words here, so none are grouped: the message lists twenty and counts the rest,
// and the whole list waits in the box's details.
TEST_F(RecordsMenuTest, TheImportMessageStaysAScreenfulWithTheWholeListInItsDetails) {
    QByteArray lines;
    for (int line = 1; line <= 30; ++line) {
        lines += "x" + QByteArray::number(line) + ",123\n";
    }
    const QString draws = dir.filePath(QStringLiteral("开奖.txt"));
    QFile file(draws);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines);
    file.close();
    ModalAnswer<QFileDialog> chooser([&draws](QFileDialog& dialog) {
        dialog.selectFile(draws);
        static_cast<QDialog&>(dialog).accept();
    });
    SetMessageBoxHandler({});  // the real box, with its details
    QString text;
    QString details;
    ModalAnswer<QMessageBox> box([&](QMessageBox& shown) {
        text = shown.text();
        details = shown.detailedText();
        shown.accept();
    });

    Action(*page->CreateListMenu(), QStringLiteral("导入开奖号码…"))->trigger();

    EXPECT_EQ(text.count(u'\n'), 21) << text.toStdString();
    const auto refused = [](int line) {
        return FormatText(Messages::kRefusedLine, line,
                          FormatText(Messages::kDrawNoRecordOfIssue, "x" + std::to_string(line)));
    };
    EXPECT_TRUE(
        text.endsWith(QString::fromStdString(refused(20) + "\n" + FormatText(Messages::kMoreRefused, 10))));
    EXPECT_EQ(details.count(u'\n'), 29);
    EXPECT_TRUE(details.endsWith(QString::fromStdString(refused(30))));
}

TEST_F(RecordsMenuTest, ArchivingIsOfferedOnlyWhenSomeRecordHasItsResult) {
    EXPECT_TRUE(ArchiveAction(*page->CreateListMenu())->isEnabled());
    Sql("UPDATE data_history SET is_right = 11, open_data = '未知'");
    app->LoadHistory();
    EXPECT_FALSE(ArchiveAction(*page->CreateListMenu())->isEnabled());
}

// Two of the three records with a result move into the archive, after a safety copy of the file; the three
// left are numbered 1 to 3 in their order, and the list shows them.
TEST_F(RecordsMenuTest, ArchivingAsksHowManyNamesThemCopiesTheFileAndNumbersTheRestAgain) {
    Archive(2, QStringLiteral("归档"));

    EXPECT_EQ(countRange, (std::pair{1, 3}));
    const RecordedMessage expected{ArchiveQuestionText({{"2009-6-15", "10001"}, {"2009-6-16", "10002"}}, 2),
                                   CaptionOf(Messages::kArchiveQuestion)};
    EXPECT_EQ(questions, std::vector<RecordedMessage>{expected});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Records(), (Rows_{{"1", "10003", "000"}, {"2", "10004", "未知"}, {"3", "10005", "未知"}}));
    EXPECT_EQ(Rows("SELECT open_order FROM data_archive ORDER BY archive_order"),
              (Rows_{{"10001"}, {"10002"}}));
    EXPECT_EQ(Issues(), (QStringList{"10003", "10004", "10005"}));
    EXPECT_EQ(app->FirstPendingRecord(), 2);
    const QStringList copies = QDir(dir.filePath(QStringLiteral("backups"))).entryList(QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(RowsAsText(dir.filePath(QStringLiteral("backups/") + copies.front()).toStdString(),
                         "SELECT count(*) FROM data_history"),
              (Rows_{{"5"}}))
        << "the copy holds the file as it was before";
}

// The backups folder is the player's too: files there whose names only look like a safety copy's break
// neither the archive nor the import, and stay; an import whose lines are all refused takes no copy.
TEST_F(RecordsMenuTest, ThePlayersOwnFilesInTheBackupsFolderStayAndBreakNothing) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("backups")));
    const QDir backups(dir.filePath(QStringLiteral("backups")));
    const QStringList players = {QStringLiteral("morvint-2020-01-01-my-own-copy.db"),
                                 QStringLiteral("morvint-2026-12-08-093015-old.db")};
    for (const QString& name : players) {
        QFile file(backups.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the player's");
    }
    const QString draws = dir.filePath(QStringLiteral("开奖.txt"));
    QFile file(draws);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2009-06-19,386\n");  // record 5 still waits for record 4
    file.close();
    {
        ModalAnswer<QFileDialog> chooser([&draws](QFileDialog& dialog) {
            dialog.selectFile(draws);
            static_cast<QDialog&>(dialog).accept();
        });
        Action(*page->CreateListMenu(), QStringLiteral("导入开奖号码…"))->trigger();
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().caption, CaptionOf(Messages::kImportTally));
    EXPECT_EQ(backups.entryList(QDir::Files), players) << "nothing changed, no copy";

    Archive(1, QStringLiteral("归档"));
    EXPECT_EQ(Rows("SELECT open_order FROM data_archive"), (Rows_{{"10001"}}));
    const QStringList after = backups.entryList(QDir::Files);
    EXPECT_EQ(after.size(), 3);
    EXPECT_TRUE(after.contains(players[0]) && after.contains(players[1])) << after.join(u' ').toStdString();
}

// The archive, read only, newest first, in the list's columns and colours; with nothing archived the menu
// offers no view of it.
TEST_F(RecordsMenuTest, TheArchiveIsSeenNewestFirst) {
    EXPECT_FALSE(Action(*page->CreateListMenu(), QStringLiteral("查看归档…"))->isEnabled());
    Archive(1, QStringLiteral("归档"));
    Archive(1, QStringLiteral("归档"));
    ASSERT_TRUE(Action(*page->CreateListMenu(), QStringLiteral("查看归档…"))->isEnabled());

    QStringList issues;
    QString count;
    COLORREF missColour = 0;
    {
        ModalAnswer<CArchiveDlg> view([&](CArchiveDlg& dialog) {
            for (int row = 0; row < dialog.list.rowCount(); ++row) {
                issues << dialog.list.CellText(row, 1);
            }
            count = dialog.CountText();
            missColour = dialog.list.CellTextColour(0, 11);
            dialog.backButton.click();
        });
        Action(*page->CreateListMenu(), QStringLiteral("查看归档…"))->trigger();
    }
    EXPECT_EQ(issues, (QStringList{"10002", "10001"}));
    const std::string lastArchived = Rows("SELECT max(archived_at) FROM data_archive").front().front();
    EXPECT_EQ(count.toStdString(), FormatText(Messages::kArchiveCount, 2, lastArchived.substr(0, 16)));
    EXPECT_EQ(missColour, RGB(200, 20, 20)) << "a miss is red, as on the records page";
}

// In the main window the records page fills the top of the window above the player bar. The archive, a
// picture of that page, lies exactly over it (it once hung 22 pixels low, centred over the taller window);
// the statistics, taller than the window, open centred over it yet whole on the screen; both get a frame from
// the window manager, to be moved by. The count of records to archive is wide enough for its caption.
TEST_F(RecordsMenuTest, TheArchiveCoversThePageAndTheOtherWindowsOpenOverTheMainWindowOnTheScreen) {
    Archive(1, QStringLiteral("归档"));
    QWidget window;
    window.setFixedSize(700, 500);
    page->setParent(&window);
    const auto giveBack = qScopeGuard([this] { page->setParent(nullptr); });
    page->move(0, 0);
    page->show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window.move(screen.left() + 20, screen.bottom() - 520);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QRect archive;
    QRect statistics;
    int countWidth = 0;
    std::vector<bool> framed;
    {
        ModalAnswer<CArchiveDlg> view([&](CArchiveDlg& dialog) {
            archive = dialog.geometry();
            framed.push_back(!dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
            dialog.backButton.click();
        });
        ModalAnswer<CStatisticsDlg> sums([&](CStatisticsDlg& dialog) {
            statistics = dialog.geometry();
            framed.push_back(!dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
            dialog.okButton.click();
        });
        ModalAnswer<QInputDialog> count([&](QInputDialog& dialog) {
            countWidth = dialog.width();
            dialog.reject();
        });
        Action(*page->CreateListMenu(), QStringLiteral("查看归档…"))->trigger();
        Action(*page->CreateListMenu(), QStringLiteral("统计"))->trigger();
        ArchiveAction(*page->CreateListMenu())->trigger();
    }
    EXPECT_EQ(archive, QRect(page->mapToGlobal(QPoint(0, 0)), page->size()));
    EXPECT_TRUE(screen.contains(statistics)) << statistics.y() << " to " << statistics.bottom();
    EXPECT_TRUE(window.geometry().contains(statistics.center()));
    EXPECT_EQ(framed, (std::vector<bool>{true, true}));
    const QString caption = CaptionOf(Messages::kArchiveHowMany);
    EXPECT_GE(countWidth, QFontMetrics(QApplication::font()).horizontalAdvance(caption) + 140);
}

TEST_F(RecordsMenuTest, CancellingEitherQuestionArchivesNothing) {
    const Rows_ before = Records();
    Archive(0, QString());
    EXPECT_TRUE(questions.empty()) << "no question after a cancelled count";
    Archive(3, QStringLiteral("取消"));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(Records(), before);
    EXPECT_EQ(Issues().size(), 5);
}

TEST_F(RecordsMenuTest, AFailedArchiveSaysSoAndLeavesTheFileAndTheListAsTheyWere) {
    Sql("CREATE TRIGGER fail_on_five BEFORE UPDATE OF record_order ON data_history WHEN old.record_order = 5 "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    const Rows_ before = Records();

    Archive(3, QStringLiteral("归档"));

    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kSaveFailed});
    EXPECT_EQ(Records(), before);
    EXPECT_EQ(Issues(), (QStringList{"10001", "10002", "10003", "10004", "10005"}));
}

// Another running copy archives record 1 while the question is open: nothing is archived by this one, the
// box says that the records changed, and the list shows them as the file holds them now.
TEST_F(RecordsMenuTest, AnArchiveRacedByTheOtherCopySaysTheRecordsChangedAndArchivesNothing) {
    ModalAnswer<QInputDialog> countDialog([](QInputDialog& dialog) {
        dialog.setIntValue(2);
        dialog.accept();
    });
    ModalAnswer<QMessageBox> questionBox([this](QMessageBox& box) {
        Sql("DELETE FROM data_history WHERE record_order = 1; "
            "UPDATE data_history SET record_order = record_order - 1");
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == QStringLiteral("归档")) {
                button->click();
            }
        }
    });
    ArchiveAction(*page->CreateListMenu())->trigger();

    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kArchiveChangedMeanwhile});
    EXPECT_EQ(Rows("SELECT count(*) FROM sqlite_master WHERE name = 'data_archive'"), (Rows_{{"0"}}));
    EXPECT_EQ(Issues(), (QStringList{"10002", "10003", "10004", "10005"}));
}

// Without its safety copy (the folder for it is taken by a file) nothing is archived.
TEST_F(RecordsMenuTest, ASafetyCopyThatCannotBeWrittenStopsTheArchive) {
    QFile blocker(dir.filePath(QStringLiteral("backups")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Rows_ before = Records();

    Archive(2, QStringLiteral("归档"));

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().caption, CaptionOf(Messages::kSafetyCopyFailed));
    EXPECT_TRUE(
        messages.front().text.endsWith(TextOf(Messages::kSafetyCopyFailed).section(QStringLiteral("%2"), 1)))
        << messages.front().text.toStdString();
    EXPECT_EQ(Records(), before);
}

// A long run is named by its first and last three records; the count says how many go.
TEST(RecordTextsTest, TheQuestionNamesEveryRecordOfAShortRunAndTheEndsOfALongOne) {
    std::vector<HistoryRecord> records(10);
    std::vector<const HistoryRecord*> run;
    for (int i = 0; i < 10; ++i) {
        records[i].record_date = COleDateTime(2010, 1, 1 + i, 21, 0, 0);
        records[i].open_order = std::to_string(2010001 + i);
        run.push_back(&records[i]);
    }
    EXPECT_EQ(ArchiveQuestion({run.begin(), run.begin() + 8}).count(QStringLiteral("第")), 8);
    EXPECT_EQ(ArchiveQuestion(run), ArchiveQuestionText({{"2010-1-1", "2010001"},
                                                         {"2010-1-2", "2010002"},
                                                         {"2010-1-3", "2010003"},
                                                         {"", ""},
                                                         {"2010-1-8", "2010008"},
                                                         {"2010-1-9", "2010009"},
                                                         {"2010-1-10", "2010010"}},
                                                        10));
}

}  // namespace
