// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hover card of each panel button: the picture file it shows, and the words painted on it, which a screen
// reader gets as the card's name and description (and as the description of the button it explains).
#include <QString>

#include "res/PictureWords.h"
#include "shell/Navigation.h"

struct HoverCard {
    const char* file;  // in the program folder; a bitmap despite its extension
    const PictureWords::Card* words;
};

// The card of a picture kind; a null file for a kind without one.
inline HoverCard CardOf(ViewKind kind) {
    switch (kind) {
        case ViewKind::Prediction:
            return {"select.mid", &PictureWords::kPredictCard};
        case ViewKind::Records:
            return {"history.mid", &PictureWords::kRecordsCard};
        case ViewKind::Player:
            return {"player.mid", &PictureWords::kPlayerCard};
        case ViewKind::Answers:
            return {"answer.mid", &PictureWords::kAnswersCard};
        case ViewKind::NoPicture:
        case ViewKind::About:
            break;
    }
    return {nullptr, nullptr};
}

// The card's two lines as one sentence: what the button does.
inline QString CardDescription(ViewKind kind) {
    const HoverCard card = CardOf(kind);
    if (card.words == nullptr) {
        return {};
    }
    return QString::fromUtf8(card.words->line1) + QStringLiteral("，") + QString::fromUtf8(card.words->line2);
}
