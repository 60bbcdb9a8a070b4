// SPDX-License-Identifier: GPL-3.0-or-later
// The program started on a database that is garbage, empty, cut short or read-only: it starts, shows only its
// own messages, lets the user walk through every page that reads or writes the file, and never crashes. Each
// run is a separate process (morvint_robust_child), so a crash fails the test instead of ending it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <random>
#include <vector>

#include "shell/FileErrors.h"
#include "shell/QtMessageTexts.h"
#include "tests/support/CProgramFolder.h"

namespace {

struct Message {
    QString caption;
    QString text;
};

struct ProgramRun {
    bool crashed = true;
    int exitCode = -1;
    QString walk;
    std::vector<Message> messages;
    QStringList qtWarnings;
};

// The texts the program itself shows when its database fails, and after a successful save, with their
// captions.
// The child reports them on one line each, its line breaks written as \\r and \\n.
const QMap<QString, QString> kProgramMessages = [] {
    QMap<QString, QString> captions;
    for (const MessageText& message :
         {Messages::kConnectFailed, Messages::kPlayerLoadFailed, Messages::kHistoryLoadFailed,
          Messages::kSaveFailed, Messages::kSaved}) {
        captions.insert(TextOf(message)
                            .replace(QStringLiteral("\r"), QStringLiteral("\\r"))
                            .replace(QStringLiteral("\n"), QStringLiteral("\\n")),
                        CaptionOf(message));
    }
    return captions;
}();

// The notice at start that the database cannot be written; its text names the file.
const QString kReadOnlyCaption = CaptionOf(Messages::kDatabaseReadOnly);

// The texts of a run, with the read-only notice as the file it names.
QStringList TextsNamingFiles(const std::vector<Message>& messages) {
    QStringList texts;
    for (const Message& message : messages) {
        const qsizetype from = message.text.indexOf(u'“');
        const qsizetype to = message.text.indexOf(u'”');
        texts << (message.caption == kReadOnlyCaption ? message.text.mid(from + 1, to - from - 1)
                                                      : message.text);
    }
    return texts;
}

// Warnings about the machine, not the program: see tests/tour/TourMain.cpp.
const QStringList kMachineWarnings = {QStringLiteral("This plugin does not support propagateSizeHints()"),
                                      QStringLiteral("PulseAudioService: pa_context_connect() failed")};

ProgramRun RunProgram(const CProgramFolder& folder, bool dropRoot, const QStringList& options = {},
                      const QString& dataHome = {}) {
    QProcess process;
    process.setWorkingDirectory(folder.Path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Settings are read from the program's scratch folder, not from the home of whoever runs the tests.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.Path() + QStringLiteral("/config"));
    if (!dataHome.isEmpty()) {
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MORVINT_ROBUST_CHILD),
                  (dropRoot ? QStringList{QStringLiteral("--drop-root")} : QStringList{}) + options);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exitCode = process.exitCode();
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() == 3 && fields[0] == QStringLiteral("message")) {
            run.messages.push_back({fields[1], fields[2]});
        } else if (fields.size() == 2 && fields[0] == QStringLiteral("walk")) {
            run.walk = fields[1];
        }
    }
    for (const QString& line : QString::fromUtf8(process.readAllStandardError()).split(u'\n')) {
        const QStringList fields = line.split(u'\t');
        // Types 1 to 3 are warnings, critical and fatal messages; 0 debug and 4 info.
        if (fields.size() == 3 && fields[0] == QStringLiteral("qt") && fields[1] != QStringLiteral("0") &&
            fields[1] != QStringLiteral("4") && !kMachineWarnings.contains(fields[2])) {
            run.qtWarnings << fields[2];
        }
    }
    return run;
}

QStringList Texts(const ProgramRun& run) {
    QStringList texts;
    for (const Message& message : run.messages) {
        texts << message.text;
    }
    return texts;
}

// What every run must give: no crash, the whole walk, only the program's own messages, no Qt warnings.
void ExpectSurvived(const ProgramRun& run) {
    ASSERT_FALSE(run.crashed) << "the program crashed or hung";
    EXPECT_EQ(run.walk, QStringLiteral("done"));
    EXPECT_EQ(run.exitCode, 0);
    for (const Message& message : run.messages) {
        if (message.caption == kReadOnlyCaption) {
            const QString head = TextOf(Messages::kDatabaseReadOnly).section(QStringLiteral("%1"), 0, 0);
            EXPECT_TRUE(message.text.startsWith(head + QStringLiteral("“"))) << message.text.toStdString();
            continue;
        }
        EXPECT_TRUE(kProgramMessages.contains(message.text))
            << "not the program's own: " << message.text.toStdString();
        EXPECT_EQ(message.caption, kProgramMessages.value(message.text));
    }
    EXPECT_TRUE(run.qtWarnings.isEmpty()) << run.qtWarnings.join(u'\n').toStdString();
}

bool WriteDatabase(const CProgramFolder& folder, const QByteArray& bytes) {
    QFile file(QString::fromStdString(folder.DatabasePath()));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray ReadDatabase(const CProgramFolder& folder) {
    QFile file(QString::fromStdString(folder.DatabasePath()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SavePredictions(CProgramFolder& folder, int count) {
    for (int i = 0; i < count; ++i) {
        const COleDateTime date = COleDateTime::FromOleDate(COleDateTime(2010, 1, 1).GetOleDate() + i);
        if (!folder.SavePrediction(date, std::to_string(2010001 + i),
                                   {"123", "234", "345", "456", "567", "678", "789", "890"})) {
            return false;
        }
    }
    return true;
}

TEST(RobustnessTest, GarbageInsteadOfADatabaseIsReportedOnceAtStartAndEverySaveFails) {
    CProgramFolder folder;
    ASSERT_TRUE(folder.IsValid()) << folder.Error().toStdString();
    std::mt19937 random(20090617);
    QByteArray garbage(64 * 1024, '\0');
    for (char& byte : garbage) {
        byte = static_cast<char>(random());
    }
    ASSERT_TRUE(WriteDatabase(folder, garbage));

    const ProgramRun run = RunProgram(folder, false);

    ExpectSurvived(run);
    const QStringList texts = Texts(run);
    ASSERT_GE(texts.size(), 3);
    EXPECT_EQ(texts.mid(0, 3),
              (QStringList{TextOf(Messages::kConnectFailed), TextOf(Messages::kPlayerLoadFailed),
                           TextOf(Messages::kHistoryLoadFailed)}));
    EXPECT_TRUE(texts.contains(TextOf(Messages::kSaveFailed)));
    EXPECT_EQ(ReadDatabase(folder), garbage) << "the program wrote into a file that is not its database";
}

TEST(RobustnessTest, AnEmptyFileOpensButHasNoTablesToReadOrWrite) {
    CProgramFolder folder;
    ASSERT_TRUE(folder.IsValid()) << folder.Error().toStdString();
    ASSERT_TRUE(WriteDatabase(folder, QByteArray()));

    const ProgramRun run = RunProgram(folder, false);

    ExpectSurvived(run);
    const QStringList texts = Texts(run);
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts.mid(0, 2),
              (QStringList{TextOf(Messages::kPlayerLoadFailed), TextOf(Messages::kHistoryLoadFailed)}));
    EXPECT_FALSE(texts.contains(TextOf(Messages::kConnectFailed))) << "an empty file is an empty database";
}

TEST(RobustnessTest, ADatabaseCutShortNeverCrashesTheProgram) {
    CProgramFolder folder;
    ASSERT_TRUE(folder.IsValid()) << folder.Error().toStdString();
    ASSERT_TRUE(SavePredictions(folder, 60));
    const QByteArray whole = ReadDatabase(folder);
    ASSERT_GT(whole.size(), 8192);
    ASSERT_TRUE(WriteDatabase(folder, whole.left(whole.size() / 2)));

    ExpectSurvived(RunProgram(folder, false));
}

// Root may write any file: the program runs as "nobody" here, in a folder it may not write either. Such a
// file is only opened when named: a start without --database would work on a copy in the user's data folder.
TEST(RobustnessTest, AReadOnlyDatabaseLoadsAndEverySaveSaysItFailed) {
    CProgramFolder folder;
    ASSERT_TRUE(folder.IsValid()) << folder.Error().toStdString();
    ASSERT_TRUE(SavePredictions(folder, 3));
    const QString path = QString::fromStdString(folder.DatabasePath());
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                         QFile::ExeGroup | QFile::ReadOther |
                                                         QFile::ExeOther));
    const QByteArray before = ReadDatabase(folder);

    const ProgramRun run = RunProgram(folder, true, {QStringLiteral("--database"), path});
    QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ExpectSurvived(run);
    EXPECT_EQ(TextsNamingFiles(run.messages),
              (QStringList{path, TextOf(Messages::kSaveFailed), TextOf(Messages::kSaveFailed)}))
        << "said once at start; the profile and the prediction each fail once; loading works";
    EXPECT_EQ(ReadDatabase(folder), before);
}

}  // namespace

namespace {

// A portable folder on a medium the user may not write, as a copy unpacked by root: its database is still the
// player's, and the start says so rather than saving into a copy elsewhere that the folder would never show.
TEST(RobustnessTest, AReadOnlyPortableDatabaseIsStillTheDatabaseAndTheStartSaysItCannotBeWritten) {
    CProgramFolder folder;
    ASSERT_TRUE(folder.IsValid()) << folder.Error().toStdString();
    ASSERT_TRUE(SavePredictions(folder, 3));
    const QString path = QString::fromStdString(folder.DatabasePath());
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                         QFile::ReadOther | QFile::ExeOther));
    const QByteArray before = ReadDatabase(folder);
    QTemporaryDir dataHome;
    ASSERT_TRUE(dataHome.isValid());
    // Anyone may write it, so the unprivileged user could make a folder in it.
    ASSERT_TRUE(QFile::setPermissions(dataHome.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                           QFile::ExeOwner | QFile::ReadOther |
                                                           QFile::WriteOther | QFile::ExeOther));

    const ProgramRun run = RunProgram(folder, true, {}, dataHome.path());

    ExpectSurvived(run);
    EXPECT_EQ(TextsNamingFiles(run.messages),
              (QStringList{path, TextOf(Messages::kSaveFailed), TextOf(Messages::kSaveFailed)}));
    EXPECT_EQ(ReadDatabase(folder), before);
    EXPECT_FALSE(QFile::exists(dataHome.filePath(QStringLiteral("morvint/morvint.db"))))
        << "no second database splits the records";
}

// A pipe in place of the settings file once held the start up for ever, before any window. The program now
// passes over it with one message at start, walks through everything, and leaves the pipe as it was.
TEST(RobustnessTest, APipeAsTheSettingsFileIsSaidOnceAndTheProgramRunsOnItsDefaults) {
    CProgramFolder folder;
    ASSERT_TRUE(folder.IsValid()) << folder.Error().toStdString();
    ASSERT_TRUE(QDir(folder.Path()).mkpath(QStringLiteral("config/morvint")));
    const QByteArray settings =
        QFile::encodeName(folder.FilePath(QStringLiteral("config/morvint/morvint.conf")));
    ASSERT_EQ(::mkfifo(settings.constData(), 0600), 0);

    const ProgramRun run = RunProgram(folder, false);

    ASSERT_FALSE(run.crashed) << "the program crashed or hung";
    EXPECT_EQ(run.walk, QStringLiteral("done"));
    EXPECT_EQ(run.exitCode, 0);
    const QString notice = TextOf(Messages::kSettingsFileUnusable)
                               .arg(ReadFailureText(settings.toStdString(), {FileOutcome::Kind::notRegular}));
    ASSERT_FALSE(run.messages.empty());
    EXPECT_EQ(run.messages[0].text, notice);
    EXPECT_EQ(run.messages[0].caption, CaptionOf(Messages::kSettingsFileUnusable));
    EXPECT_EQ(Texts(run).count(notice), 1) << "said once";
    EXPECT_TRUE(run.qtWarnings.isEmpty()) << run.qtWarnings.join(u'\n').toStdString();
    struct stat info {};
    ASSERT_EQ(::lstat(settings.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
