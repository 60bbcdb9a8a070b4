// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of the tour, in the order a new user meets the views.
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "app/CNavPanel.h"
#include "controls/CPictureStatic.h"
#include "pages/CExplainPage.h"
#include "pages/CMakeGuaPage.h"
#include "pages/CPlayerPage.h"
#include "pages/CShowGuaPage.h"
#include "pages/CStartPage.h"
#include "shell/CAboutDlg.h"
#include "tests/tour/CTour.h"
#include "tests/tour/TourWindows.h"

namespace {

// Chinese text arrives from the input method as one committed string, not as key presses.
void TypeChinese(QWidget& field, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(&field, &commit);
}

}  // namespace

void CTour::AddHomeSteps() {
    driver.Add(
        QStringLiteral("home"), [this] { return AtHome(); }, [this] { ShootMain(QStringLiteral("home")); });
    // The pointer moves over the four buttons with pictures, then onto bare panel, which hides the picture.
    const struct {
        CHoverNotifyButton CNavPanel::*button;
        const char* picture;
    } hovers[] = {{&CNavPanel::predictButton, "select.mid"},
                  {&CNavPanel::recordsButton, "history.mid"},
                  {&CNavPanel::playerButton, "player.mid"},
                  {&CNavPanel::answersButton, "answer.mid"}};
    for (const auto& hover : hovers) {
        const QString picture = QString::fromLatin1(hover.picture);
        driver.Add(
            QStringLiteral("move onto the button of ") + picture, [this] { return AtHome(); },
            [this, button = hover.button] {
                QWidget& target = Panel()->*button;
                QTest::mouseMove(&target, target.rect().center());
            });
        driver.Add(
            QStringLiteral("picture ") + picture,
            [this, picture] {
                return Main()->picture.isVisible() && Main()->picture.PictureFile() == picture;
            },
            [this, picture] { ShootMain(QStringLiteral("home-hover-") + picture.section(u'.', 0, 0)); });
    }
    // Between the first two buttons.
    driver.Add(
        QStringLiteral("move onto bare panel"), [this] { return AtHome(); },
        [this] { QTest::mouseMove(Panel(), QPoint(90, 92)); });
    driver.Add(
        QStringLiteral("about box"), [this] { return AtHome() && !Main()->picture.isVisible(); },
        [this] { Panel()->aboutButton.click(); });
    driver.Add(
        QStringLiteral("shoot the about box"), [] { return ActiveModal<CAboutDlg>() != nullptr; },
        [this] {
            CAboutDlg* about = ActiveModal<CAboutDlg>();
            ShootModal(QStringLiteral("about"), *about);
            QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(12, 12));  // anywhere off the links
        });
}

void CTour::AddPlayerSteps() {
    driver.Add(
        QStringLiteral("open the player page"), [this] { return AtHome(); },
        [this] { Panel()->playerButton.click(); });
    driver.Add(
        QStringLiteral("fill in the profile"), [this] { return ShownPage<CPlayerPage>(Main()) != nullptr; },
        [this] {
            CPlayerPage* page = ShownPage<CPlayerPage>(Main());
            page->nameEdit.setFocus();
            page->nameEdit.selectAll();
            TypeChinese(page->nameEdit, QStringLiteral("李明"));
            page->femaleButton.click();
            page->zodiacCombo.setCurrentIndex(3);  // 兔
            page->saveButton.click();
            auto* codeEdit = page->fortuneCodeEdit.editor();
            codeEdit->setFocus();
            QTest::keyClicks(codeEdit, QStringLiteral("8A012345654321"));
            page->applyCodeButton.click();
        });
    driver.Add(
        QStringLiteral("player page with its chart"),
        [this] { return ShownPage<CPlayerPage>(Main()) != nullptr; },
        [this] {
            ShootMain(QStringLiteral("player"));
            ShownPage<CPlayerPage>(Main())->backButton.click();
        });
}

void CTour::AddPredictionSteps() {
    driver.Add(
        QStringLiteral("start page"),
        [this] {
            const CStartPage* page = ShownPage<CStartPage>(Main());
            return page != nullptr && page->animation.PictureSet();
        },
        [this] {
            ShootMain(QStringLiteral("start"));
            ShownPage<CStartPage>(Main())->castButton.click();
        });
    // The make page moves on by itself after two seconds; it is caught a few frames in.
    driver.Add(
        QStringLiteral("make page"),
        [this] {
            const CMakeGuaPage* page = ShownPage<CMakeGuaPage>(Main());
            return page != nullptr && page->tickCount >= 4;
        },
        [this] { ShootMain(QStringLiteral("make")); });
    driver.Add(
        QStringLiteral("show page"), [this] { return ShownPage<CShowGuaPage>(Main()) != nullptr; },
        [this] {
            ShootMain(QStringLiteral("show"));
            ShownPage<CShowGuaPage>(Main())->nextButton.click();
        });
    driver.Add(
        QStringLiteral("explanation page"), [this] { return ShownPage<CExplainPage>(Main()) != nullptr; },
        [this] {
            ShootMain(QStringLiteral("explanation"));
            ShownPage<CExplainPage>(Main())->nextButton.click();
        });
}
