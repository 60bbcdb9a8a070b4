// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CMainDlg.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <utility>

#include "app/CNavPanel.h"
#include "app/HoverCards.h"
#include "controls/Colour.h"
#include "controls/ImageFile.h"
#include "controls/PostedMessage.h"
#include "pages/CDateInputDlg.h"
#include "pages/CExplainPage.h"
#include "pages/CHistoryPage.h"
#include "pages/CMakeGuaPage.h"
#include "pages/CNumberPage.h"
#include "pages/CPlayerPage.h"
#include "pages/CShowGuaPage.h"
#include "pages/CStartPage.h"
#include "pages/PageLayout.h"
#include "res/Layout.h"
#include "res/ResourceIds.h"
#include "shell/CAboutDlg.h"
#include "shell/CPredictApp.h"
#include "shell/CSoundPlayer.h"
#include "shell/FaceKeys.h"
#include "shell/PageChrome.h"
#include "shell/UserSettings.h"

namespace {

// Template ids the containers record with each page.
constexpr int kNavPanelTemplate = 129;
constexpr int kStartTemplate = 130;
constexpr int kHistoryTemplate = 131;
constexpr int kMakeTemplate = 132;
constexpr int kExplainTemplate = 133;
constexpr int kNumberTemplate = 134;
constexpr int kPlayerTemplate = 144;
constexpr int kShowTemplate = 166;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

CMainDlg::CMainDlg(CPredictApp& application, QWidget* parent)
    : QDialog(parent),
      navContainer(this),
      pageContainer(this),
      picture(this),
      playerLabel(this),
      zodiacLabel(this),
      exitButton(this),
      app(application),
      icon(QPixmap::fromImage(ReadImageFile(QStringLiteral(":/icons/%1.bmp").arg(kProgramIcon), "BMP"))) {
    // A normal application window: window managers give it a minimise button and a taskbar entry, and
    // none treats it as a dialog. Its size is fixed, so it has no maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    connect(&exitButton, &QAbstractButton::clicked, this, &CMainDlg::OnExit);
    OnInitDialog();
}

// Not exec(): that would make the window modal, and window managers would mark it as a modal dialog.
int CMainDlg::RunUntilClosed() {
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    if (isVisible()) {
        loop.exec();
    }
    return result();
}

void CMainDlg::OnInitDialog() {
    setWindowIcon(icon);
    setWindowTitle(QStringLiteral("Quintara V4.3"));
    setFixedSize(Layout::MainWindow::client.w, Layout::MainWindow::client.h);

    Place(navContainer, Layout::MainWindow::navContainer);
    Place(pageContainer, Layout::MainWindow::pageContainer);
    pageContainer.hide();
    Place(picture, Layout::MainWindow::hoverPicture);
    picture.hide();
    Place(playerLabel, Layout::MainWindow::playerLabel);
    Place(zodiacLabel, Layout::MainWindow::zodiacLabel);

    labelFont = PageFont(18, QStringLiteral("宋体"));
    playerLabel.setFont(labelFont);
    zodiacLabel.setFont(labelFont);
    SetUpLabel(playerLabel, RGB(40, 60, 100));
    SetUpLabel(zodiacLabel, RGB(0, 40, 40));

    SetUpSkinButton(exitButton, Layout::MainWindow::exitButton, kExitHotBitmap, kExitBitmap, kCeladonKey,
                    QStringLiteral("退出"));

    // The chime stays off for a user who turned it off in an earlier run.
    CSoundPlayer::Instance().SetMuted(MutedSetting());

    CreateStartPages();

    ShowPlayer();
}

void CMainDlg::ShowPlayer() {
    if (app.Player().name == "新玩家") {
        // A player who has not entered a name yet: the blanks keep the label as wide as a real name.
        SetPlayerLines(QStringLiteral("新玩家    "), QStringLiteral("龙"));
    } else {
        SetPlayerLines(FromUtf8(app.Player().name), FromUtf8(app.Player().sex),
                       FromUtf8(app.Player().shuxiang));
    }
}

// Coming back to the window: another copy of the program may have restored a backup, with another profile.
void CMainDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && app.RefreshIfChanged()) {
        ShowPlayer();
    }
}

// The player's name and animal are text on the window, not buttons: Tab passes them by, and a screen reader
// reads them as text.
void CMainDlg::SetUpLabel(CSkinButton& label, COLORREF colour) {
    label.SetRole(CSkinButton::ButtonRole::Label);
    label.SetTransparentBackground(true);
    label.SetFlatBorder(false, true);
    label.SetStateColour(CSkinButton::kTextNormal, colour, true);
    label.SetStateColour(CSkinButton::kTextHot, colour, true);
}

// The panel in its container; behind the hidden page container a records page and a start page wait, so that
// both slots below the number page are taken from the start.
void CMainDlg::CreateStartPages() {
    auto* panel = NewPage<CNavPanel>(Help());
    navContainer.AddPage(panel, kNavPanelTemplate);
    // Focus starts on the first button of the panel, and Tab walks the panel down to 退出; a Space pressed
    // right after start opens a prediction instead of ending the program.
    SetTabChain({&panel->predictButton, &panel->recordsButton, &panel->playerButton, &panel->answersButton,
                 &panel->aboutButton, &exitButton});
    FocusFirstPanelButton();
    // Opening the records or a new prediction builds pages of its own, so these two are seldom shown: they
    // are built only if they ever are, and the start does not pay for their controls and fonts.
    pageContainer.AddPage([this] { return NewPage<CHistoryPage>(app); }, kHistoryTemplate);
    pageContainer.AddPage([this] { return NewPage<CStartPage>(app.state); }, kStartTemplate);
}

void CMainDlg::SetPlayerLines(const QString& player, const QString& zodiac) {
    playerLine = player;
    zodiacLine = zodiac;
    playerName.clear();
    playerSex.clear();
    playerLabel.setText(playerLine);
    playerLabel.setAccessibleName(QString());
    playerLabel.setToolTip(QString());
    zodiacLabel.setText(zodiacLine);
}

void CMainDlg::SetPlayerLines(const QString& name, const QString& sex, const QString& zodiac) {
    SetPlayerLines(name + sex, zodiac);
    playerName = name;
    playerSex = sex;
    if (isVisible()) {
        FitPlayerName();
    }
}

// The name is measured once the window is on its way to the screen: measuring loads the label's face, which
// takes longer than the window manager takes to frame the window, so the two go on side by side.
void CMainDlg::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible) {
        FitPlayerName();
    }
}

// A name too long for the label loses its end to "…", never the 先生 or 小姐 after it; the whole line stays
// in playerLine, and a screen reader and the tooltip give it whole.
void CMainDlg::FitPlayerName() {
    if (playerName.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(labelFont);
    const int room = playerLabel.width() - metrics.horizontalAdvance(playerSex);
    if (metrics.horizontalAdvance(playerName) <= room) {
        return;
    }
    playerLabel.setText(metrics.elidedText(playerName, Qt::ElideRight, room) + playerSex);
    playerLabel.setAccessibleName(playerLine);
    playerLabel.setToolTip(playerLine);
}

template <class Page, class... Arguments>
Page* CMainDlg::NewPage(Arguments&&... arguments) {
    auto* page = new Page(std::forward<Arguments>(arguments)...);
    page->mainWindow = this;
    return page;
}

HelpOpener CMainDlg::Help() const {
    return [&application = app](int kind) { application.OpenHelp(kind); };
}

void CMainDlg::ShowPageView(int index, bool fullHeight) {
    // However the messages were ordered, no page is ever shown under the hover card.
    picture.hide();
    Place(pageContainer,
          fullHeight ? Layout::MainWindow::pageContainerFull : Layout::MainWindow::pageContainer);
    playerLabel.setVisible(!fullHeight);
    zodiacLabel.setVisible(!fullHeight);
    exitButton.setVisible(!fullHeight);
    navContainer.hide();
    pageContainer.ShowPage(index);
    pageContainer.show();
    // The panel button that had the focus is hidden now, and Qt would pass the focus on to 退出, where a
    // Space ends the program. The page's first control takes it instead, so that a keyboard user goes on
    // from there (a page without one holds the focus itself).
    CPageDialog* page = pageContainer.Page(index);
    if (page != nullptr && !page->isAncestorOf(focusWidget())) {
        QWidget* first = page->FirstControl();
        const bool usable = first != nullptr && first->isVisibleTo(page) && first->isEnabled();
        (usable ? first : page)->setFocus(Qt::OtherFocusReason);
    }
}

void CMainDlg::ShowHomeView() {
    navContainer.show();
    pageContainer.hide();
    playerLabel.show();
    zodiacLabel.show();
    exitButton.show();
    FocusFirstPanelButton();
}

void CMainDlg::FocusFirstPanelButton() {
    if (auto* panel = dynamic_cast<CNavPanel*>(navContainer.Page(0))) {
        panel->predictButton.setFocus();
    }
}

void CMainDlg::customEvent(QEvent* event) {
    if (event->type() != CPostedMessage::Type()) {
        QDialog::customEvent(event);
        return;
    }
    const auto* posted = static_cast<CPostedMessage*>(event);
    const int w = static_cast<int>(posted->wParam);
    switch (posted->message) {
        case WM_NAVIGATE:
            OnNavigate(static_cast<NavStage>(w), static_cast<NavCode>(static_cast<int>(posted->lParam)));
            break;
        case WM_SHOWPICTURE:
            OnShowPicture(static_cast<ViewKind>(w), posted->lParam == kShowPictureQuietly);
            break;
        case WM_OPENVIEW:
            OnOpenView(static_cast<ViewKind>(w));
            break;
        default:
            break;
    }
}

void CMainDlg::OnNavigate(NavStage stage, NavCode code) {
    switch (NextView(stage, code)) {
        case NavTarget::Home:
            ShowHomeView();
            break;
        case NavTarget::MakePage:
            pageContainer.SetPage(kStepSlot, NewPage<CMakeGuaPage>(), kMakeTemplate);
            ShowPageView(kStepSlot, false);
            break;
        case NavTarget::ShowPage:
            pageContainer.SetPage(kStepSlot, NewPage<CShowGuaPage>(app.state), kShowTemplate);
            ShowPageView(kStepSlot, false);
            break;
        case NavTarget::ExplainPage:
            pageContainer.SetPage(kStepSlot, NewPage<CExplainPage>(app.state), kExplainTemplate);
            ShowPageView(kStepSlot, true);
            break;
        case NavTarget::NumberPage:
            // Going back and forward again shows the same number page with the same codes.
            if (pageContainer.GetPageCount() < 3) {
                pageContainer.AddPage(NewPage<CNumberPage>(app, app.state, app.random), kNumberTemplate);
            }
            ShowPageView(kNumberSlot, false);
            break;
        case NavTarget::ExplainPageAgain:
            ShowPageView(kStepSlot, true);
            break;
        case NavTarget::PlayerLabels:
            SetPlayerLines(FromUtf8(app.Player().name), FromUtf8(app.Player().sex),
                           FromUtf8(app.Player().shuxiang));
            break;
        case NavTarget::Ignore:
            break;
    }
}

void CMainDlg::OnShowPicture(ViewKind kind, bool quietly) {
    if (kind == ViewKind::NoPicture) {
        picture.hide();
        return;
    }
    // A hover that was still on its way when a click opened a page or the date dialog must not put the
    // picture (and its sound) over them.
    if (!HoverCardAllowed()) {
        return;
    }
    const HoverCard card = CardOf(kind);
    if (card.file != nullptr) {
        picture.SetPictureFile(QString::fromLatin1(card.file), Layout::MainWindow::hoverPicture.w,
                               Layout::MainWindow::hoverPicture.h, false);
        // The card is a picture: its title and explanation reach a screen reader from here.
        picture.setAccessibleName(QString::fromUtf8(card.words->title));
        picture.setAccessibleDescription(CardDescription(kind));
    }
    if (!quietly) {
        PlaySoundFile(QStringLiteral("jiu_low.wav"));
    }
    picture.show();
}

bool CMainDlg::HoverCardAllowed() const {
    return !navContainer.isHidden() && QApplication::activeModalWidget() == nullptr;
}

void CMainDlg::OnOpenView(ViewKind kind) {
    picture.hide();
    switch (kind) {
        case ViewKind::Prediction:
            OnNewPrediction();
            break;
        case ViewKind::Records:
            navContainer.hide();
            pageContainer.SetPage(kRecordsOrPlayerSlot, NewPage<CHistoryPage>(app), kHistoryTemplate);
            ShowPageView(kRecordsOrPlayerSlot, false);
            break;
        case ViewKind::Player:
            navContainer.hide();
            pageContainer.SetPage(kRecordsOrPlayerSlot, NewPage<CPlayerPage>(app, Help()), kPlayerTemplate);
            ShowPageView(kRecordsOrPlayerSlot, false);
            break;
        case ViewKind::About: {
            CAboutDlg about(this);
            about.DoModal();
            break;
        }
        case ViewKind::NoPicture:
        case ViewKind::Answers:
            break;
    }
}

// A confirmed date starts a fresh prediction: the number page of the last one goes, a new start page comes.
void CMainDlg::OnNewPrediction() {
    CDateInputDlg dialog(app, app.state, Help(), this);
    if (dialog.DoModal() != QDialog::Accepted) {
        return;
    }
    PredictionState& state = app.state;
    state.drawDate = dialog.dateInput;
    if (!state.lunar.Convert(state.drawDate)) {
        ShowMessage(Messages::kDateOutOfRange);  // the dialog takes only dates the calendar converts
    }
    state.issueNumber = dialog.issueInput.toStdString();
    if (pageContainer.GetPageCount() >= 3) {
        pageContainer.RemovePage(kNumberSlot);
    }
    pageContainer.SetPage(kStepSlot, NewPage<CStartPage>(app.state), kStartTemplate);
    ShowPageView(kStepSlot, false);
}

// Esc belongs to dialogs. Here it would end the program, and on the number page lose the unsaved prediction.
void CMainDlg::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMainDlg::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintBackground(painter, QStringLiteral("main.ggr"), Layout::MainWindow::client.w,
                    Layout::MainWindow::client.h);
}

void CMainDlg::OnExit() {
    accept();
}

void CMainDlg::done(int result) {
    navContainer.DeleteAllPages();
    pageContainer.DeleteAllPages();
    QDialog::done(result);
}
