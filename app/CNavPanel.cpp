// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CNavPanel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <initializer_list>
#include <utility>

#include "app/HoverCards.h"
#include "controls/Colour.h"
#include "controls/ImageFile.h"
#include "controls/PostedMessage.h"
#include "pages/PageLayout.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"

CNavPanel::CNavPanel(HelpOpener helpOpener)
    : predictButton(this),
      recordsButton(this),
      playerButton(this),
      answersButton(this),
      aboutButton(this),
      seal(this),
      openHelp(std::move(helpOpener)) {
    SetBackgroundFile(QStringLiteral("left.ggr"), Layout::NavPanel::client.w, Layout::NavPanel::client.h);
    // Moves over bare panel must reach the panel even with no mouse button held.
    setMouseTracking(true);

    const auto openView = [this](ViewKind kind) {
        return [this, kind] { PostMessageTo(mainWindow, WM_OPENVIEW, MessageParam(kind), 0); };
    };
    connect(&predictButton, &QAbstractButton::clicked, this, openView(ViewKind::Prediction));
    connect(&recordsButton, &QAbstractButton::clicked, this, openView(ViewKind::Records));
    connect(&playerButton, &QAbstractButton::clicked, this, openView(ViewKind::Player));
    connect(&answersButton, &QAbstractButton::clicked, this, [this] { openHelp(0); });
    connect(&aboutButton, &QAbstractButton::clicked, this, openView(ViewKind::About));
    // Posted: when it arrives, the focus has left one button and reached the next.
    for (CSkinButton* button : std::initializer_list<CSkinButton*>{
             &predictButton, &recordsButton, &playerButton, &answersButton, &aboutButton}) {
        connect(button, &CSkinButton::keyboardFocusChanged, this,
                [this] { PostMessageTo(this, kNavFocusMessage, 0, 0); });
    }
}

bool CNavPanel::OnInitDialog() {
    CPageDialog::OnInitDialog();
    Place(*this, Layout::NavPanel::client);

    SetUpSkinButton(predictButton, Layout::NavPanel::predictButton, kNavPredictHotBitmap, kNavPredictBitmap,
                    kTealKey, QStringLiteral("周易预测号码"));
    SetUpSkinButton(recordsButton, Layout::NavPanel::recordsButton, kNavRecordsHotBitmap, kNavRecordsBitmap,
                    kTealKey, QStringLiteral("预测记录"));
    SetUpSkinButton(playerButton, Layout::NavPanel::playerButton, kNavPlayerHotBitmap, kNavPlayerBitmap,
                    kTealKey, QStringLiteral("玩家资料"));
    SetUpSkinButton(answersButton, Layout::NavPanel::answersButton, kNavAnswersHotBitmap, kNavAnswersBitmap,
                    kTealKey, QStringLiteral("答疑"));
    SetUpSkinButton(aboutButton, Layout::NavPanel::aboutButton, kNavAboutHotBitmap, kNavAboutBitmap, kTealKey,
                    QStringLiteral("关于"));

    const std::pair<CHoverNotifyButton*, ViewKind> hoverButtons[] = {{&predictButton, ViewKind::Prediction},
                                                                     {&recordsButton, ViewKind::Records},
                                                                     {&playerButton, ViewKind::Player},
                                                                     {&answersButton, ViewKind::Answers}};
    for (const auto& [button, kind] : hoverButtons) {
        // What the button's card explains, for a screen reader (the card is a picture).
        button->setAccessibleDescription(CardDescription(kind));
        button->notifyWindow = this;
        button->notifyMessage = WM_NAVHOVER;
        button->notifyParam = MessageParam(kind);
    }
    lastHoverKind = ViewKind::NoPicture;

    // The seal is a plain picture: moves over it count as moves over bare panel.
    seal.setPixmap(QPixmap::fromImage(ResourceBitmap(kPanelSealBitmap)));
    seal.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(seal, Layout::NavPanel::seal);
    seal.setAttribute(Qt::WA_TransparentForMouseEvents);
    return true;
}

void CNavPanel::customEvent(QEvent* event) {
    if (event->type() == CPostedMessage::Type()) {
        const auto* posted = static_cast<CPostedMessage*>(event);
        if (posted->message == WM_NAVHOVER) {
            OnNavHover(static_cast<ViewKind>(static_cast<int>(posted->wParam)));
        } else if (posted->message == kNavFocusMessage) {
            OnNavFocus();
        }
        return;
    }
    CPageDialog::customEvent(event);
}

// Every move over a button repeats its kind; only a change of button shows a picture and plays the sound.
// Qt sends moves of its own around modal windows, and a move may still be queued when a click has hidden
// the panel: neither may bring the picture back over a dialog or a page.
void CNavPanel::OnNavHover(ViewKind kind) {
    if (!PictureAllowed()) {
        return;
    }
    if (kind != lastHoverKind) {
        lastHoverKind = kind;
        pictureFollowsFocus = false;
        PostMessageTo(mainWindow, WM_SHOWPICTURE, MessageParam(kind), 0);
    }
}

bool CNavPanel::PictureAllowed() const {
    return isVisible() && QApplication::activeModalWidget() == nullptr;
}

// The focus shows its button's picture quietly: the chime belongs to the pointer. The focus taking leave of
// the panel's pictures hides the picture it showed, but not one the pointer has brought up since.
void CNavPanel::OnNavFocus() {
    if (!PictureAllowed()) {
        return;
    }
    const ViewKind kind = KeyboardFocusKind();
    if (kind != ViewKind::NoPicture) {
        // Asked for even when it is the kind already asked for: a page may have hidden it since.
        pictureFollowsFocus = true;
        lastHoverKind = kind;
        PostMessageTo(mainWindow, WM_SHOWPICTURE, MessageParam(kind), kShowPictureQuietly);
    } else if (pictureFollowsFocus) {
        pictureFollowsFocus = false;
        if (lastHoverKind != ViewKind::NoPicture) {
            lastHoverKind = ViewKind::NoPicture;
            PostMessageTo(mainWindow, WM_SHOWPICTURE, MessageParam(ViewKind::NoPicture), 0);
        }
    }
}

ViewKind CNavPanel::KeyboardFocusKind() const {
    for (const CHoverNotifyButton* button : {&predictButton, &recordsButton, &playerButton, &answersButton}) {
        if (button->HasKeyboardFocus()) {
            return static_cast<ViewKind>(static_cast<int>(button->notifyParam));
        }
    }
    return ViewKind::NoPicture;
}

void CNavPanel::mouseMoveEvent(QMouseEvent* event) {
    if (lastHoverKind != ViewKind::NoPicture) {
        lastHoverKind = ViewKind::NoPicture;
        pictureFollowsFocus = false;
        PostMessageTo(mainWindow, WM_SHOWPICTURE, MessageParam(ViewKind::NoPicture), 0);
    }
    CPageDialog::mouseMoveEvent(event);
}
