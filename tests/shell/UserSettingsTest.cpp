// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings file (morvint.conf) as the untrusted input it is: values the program cannot use are
// named, not dropped without a word, and anything at its name that is not a regular file is neither read nor
// written, so that a pipe there cannot hold up the start or be replaced by a save.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/MessageTexts.h"
#include "shell/DatabaseLocation.h"
#include "shell/FileErrors.h"
#include "shell/QtMessageTexts.h"
#include "shell/UserSettings.h"
#include "tests/support/EnvironmentScope.h"

namespace {

class UserSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(configHome.isValid());
        ASSERT_TRUE(QDir(configHome.path()).mkpath(QStringLiteral("morvint")));
        environment.Set("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    }

    QString SettingsPath() const { return configHome.filePath(QStringLiteral("morvint/morvint.conf")); }

    void WriteSettings(const QByteArray& text) const {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(text), text.size());
    }

    // The notice for one [ledger] value that was not used.
    QString Ignored(const char* key, const QString& value, int defaultPrice) const {
        return TextOf(Messages::kLedgerSettingIgnored)
            .arg(QuotedFileName(LocalPath(SettingsPath())), QLatin1String(key), u'“' + value + u'”',
                 QString::number(defaultPrice));
    }

    QTemporaryDir configHome;
    EnvironmentScope environment;
};

// The ledger's prices come from [ledger] in morvint.conf; a missing or nonsensical value keeps its default.
TEST_F(UserSettingsTest, TheLedgerPricesAreReadWithTheirDefaults) {
    EXPECT_EQ(LedgerPricesSetting().straightPrize, 1040);
    {
        QSettings settings(SettingsPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("ledger/stake"), QStringLiteral(" 5 "));
        settings.setValue(QStringLiteral("ledger/straightPrize"), QStringLiteral("abc"));
        settings.setValue(QStringLiteral("ledger/pairPrize"), -3);
        settings.setValue(QStringLiteral("ledger/sixPrize"), 200);
    }
    const LedgerPrices prices = LedgerPricesSetting();
    EXPECT_EQ(prices.stake, 5);
    EXPECT_EQ(prices.straightPrize, 1040);
    EXPECT_EQ(prices.pairPrize, 346);
    EXPECT_EQ(prices.sixPrize, 200);
}

TEST_F(UserSettingsTest, WithoutAFileOrWithGoodValuesThereIsNothingToSay) {
    EXPECT_TRUE(SettingsNotices().isEmpty());
    // Full-width digits and spaces, as a Chinese input method types them, are the plain ones.
    WriteSettings(
        "[ledger]\nstake=\xEF\xBC\x95\nstraightPrize=\xE3\x80\x80\xEF\xBC\x91\xEF\xBC\x90\xEF\xBC\x90\n"
        "pairPrize=0300\nsixPrize=10000000\n");
    const LedgerPrices prices = LedgerPricesSetting();
    EXPECT_EQ(prices.stake, 5);
    EXPECT_EQ(prices.straightPrize, 100);
    EXPECT_EQ(prices.pairPrize, 300);
    EXPECT_EQ(prices.sixPrize, 10'000'000);
    EXPECT_TRUE(SettingsNotices().isEmpty());
}

// Each value the program passes over is named with the key, the value as found and the default it counts
// with instead; what the value holds is shown escaped and cut short, and never taken for a placeholder.
TEST_F(UserSettingsTest, EveryLedgerValueThatIsNotAWholeNumberInRangeIsNamedWithTheDefaultUsed) {
    const struct {
        QByteArray written;
        QString shown;
    } kRefused[] = {{"-5", QStringLiteral("-5")},
                    {"1e308", QStringLiteral("1e308")},
                    {"NaN", QStringLiteral("NaN")},
                    {"0x10", QStringLiteral("0x10")},
                    {"10000001", QStringLiteral("10000001")},
                    {"0", QStringLiteral("0")},
                    {"99999999999999999999", QStringLiteral("99999999999999999999")},
                    {"%4\x1B", QStringLiteral("%4\\x1B")},
                    {"1, 2", QStringLiteral("1, 2")},
                    {"@Rect(1 2 3 4)", QStringLiteral("QRect")},
                    {"", QString()},
                    {QByteArray(100, '7'), QString(40, u'7') + u'…'}};
    for (const auto& refused : kRefused) {
        WriteSettings("[ledger]\nstake=3\npairPrize=" + refused.written + "\n");
        const LedgerPrices prices = LedgerPricesSetting();
        EXPECT_EQ(prices.stake, 3) << refused.written.toStdString();
        EXPECT_EQ(prices.pairPrize, 346) << refused.written.toStdString();
        EXPECT_EQ(SettingsNotices(), QStringList{Ignored("pairPrize", refused.shown, 346)})
            << refused.written.toStdString();
    }

    WriteSettings("[ledger]\nstake=abc\nstraightPrize=-1\npairPrize=7\nsixPrize=\xEF\xBC\x8D\xEF\xBC\x91\n");
    EXPECT_EQ(SettingsNotices(),
              (QStringList{Ignored("stake", QStringLiteral("abc"), 2),
                           Ignored("straightPrize", QStringLiteral("-1"), 1040),
                           Ignored("sixPrize", QString::fromUtf8("\xEF\xBC\x8D\xEF\xBC\x91"), 173)}));
    EXPECT_EQ(LedgerPricesSetting().pairPrize, 7);
}

// A writer that ends any open of the pipe at path that would otherwise wait for ever, until the case ends:
// the case then fails on what it checks instead of hanging the test program.
class PipeUnblocker {
public:
    explicit PipeUnblocker(const QString& path)
        : watcher([this, name = QFile::encodeName(path)] {
              std::unique_lock lock(mutex);
              while (!done) {
                  if (!finished.wait_for(lock, std::chrono::seconds(5), [this] { return done; })) {
                      const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                      if (fd >= 0) {
                          ++unblocked;
                          ::close(fd);
                      }
                  }
              }
          }) {}
    ~PipeUnblocker() {
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        finished.notify_one();
        watcher.join();
    }
    PipeUnblocker(const PipeUnblocker&) = delete;
    PipeUnblocker& operator=(const PipeUnblocker&) = delete;

    int Unblocked() {
        std::lock_guard lock(mutex);
        return unblocked;
    }

private:
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    int unblocked = 0;
    std::thread watcher;
};

TEST_F(UserSettingsTest, APipeInPlaceOfTheFileIsNeitherReadNorWrittenAndSaidOnce) {
    const QByteArray path = QFile::encodeName(SettingsPath());
    ASSERT_EQ(::mkfifo(path.constData(), 0600), 0);
    PipeUnblocker unblocker(SettingsPath());

    EXPECT_FALSE(MutedSetting());
    EXPECT_EQ(LedgerPricesSetting().stake, 2);
    SaveMutedSetting(true);
    const QStringList notices = SettingsNotices();

    EXPECT_EQ(unblocker.Unblocked(), 0) << "an open of the pipe waited for a writer";
    struct stat info {};
    ASSERT_EQ(::lstat(path.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "saving replaced the pipe";
    EXPECT_EQ(notices,
              QStringList{TextOf(Messages::kSettingsFileUnusable)
                              .arg(ReadFailureText(path.toStdString(), {FileOutcome::Kind::notRegular}))});
    EXPECT_EQ(QDir(configHome.filePath(QStringLiteral("morvint")))
                  .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
              QStringList{QStringLiteral("morvint.conf")})
        << "nothing was written beside it";
}

TEST_F(UserSettingsTest, AFileTooLargeToBeTheSettingsIsNeitherReadNorWritten) {
    WriteSettings("[ledger]\nstake=5\n" + QByteArray(70 * 1024, ';'));
    EXPECT_EQ(LedgerPricesSetting().stake, 2);
    SaveMutedSetting(true);
    EXPECT_FALSE(MutedSetting());
    EXPECT_EQ(QFileInfo(SettingsPath()).size(), 70 * 1024 + 17);
    EXPECT_EQ(SettingsNotices(), QStringList{TextOf(Messages::kSettingsFileUnusable)
                                                 .arg(TextOf(Messages::kSettingsFileTooLarge)
                                                          .arg(QuotedFileName(LocalPath(SettingsPath()))))});
}

// Without a home folder there is no settings file: nothing is read from, or written under, "/" or the
// current folder.
TEST_F(UserSettingsTest, WithoutAHomeFolderNothingIsReadOrWritten) {
    QTemporaryDir current;
    ASSERT_TRUE(current.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    environment.Unset("XDG_CONFIG_HOME");
    environment.Unset("HOME");
    for (const QByteArray& home : {QByteArray(), QByteArray("home"), QByteArray(".")}) {
        if (!home.isNull()) {
            environment.Set("HOME", home);
        }
        EXPECT_EQ(XdgFolder("XDG_CONFIG_HOME", ".config"), QString());
        SaveMutedSetting(true);
        EXPECT_FALSE(MutedSetting());
        EXPECT_TRUE(SettingsNotices().isEmpty());
    }
    EXPECT_TRUE(QDir(current.path()).isEmpty()) << "settings were written under the current folder";
    QDir::setCurrent(previous);

    environment.Set("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    SaveMutedSetting(true);
    EXPECT_TRUE(MutedSetting()) << "$XDG_CONFIG_HOME needs no home";
}

}  // namespace
