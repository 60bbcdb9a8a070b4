// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StoreMessages.h"

#include "shell/MessageSink.h"

const MessageText* MessageFor(OpenOutcome outcome) {
    switch (outcome) {
        case OpenOutcome::opened:
            return nullptr;
        case OpenOutcome::locked:
            // A file another program holds locked is fine and can be opened later: not said as a failure.
            return &Messages::kDatabaseLocked;
        case OpenOutcome::failed:
            return &Messages::kConnectFailed;
    }
    return nullptr;
}

const MessageText* MessageFor(SaveOutcome outcome) {
    switch (outcome) {
        case SaveOutcome::saved:
            return nullptr;
        case SaveOutcome::locked:
            return &Messages::kLockedNotSaved;
        case SaveOutcome::failed:
            return &Messages::kSaveFailed;
    }
    return nullptr;
}

const MessageText* MessageFor(PredictionSave outcome) {
    switch (outcome) {
        case PredictionSave::saved:
            return nullptr;
        case PredictionSave::past:
            return &Messages::kPredictingThePast;
        case PredictionSave::alreadyPredicted:
            return &Messages::kDayTaken;  // the date dialog's own words: another copy saved the day first
        case PredictionSave::beyondCalendar:
            return &Messages::kCalendarTooOld;
        case PredictionSave::noIssue:
            return &Messages::kNoIssue;
        case PredictionSave::filledMeanwhile:
            return &Messages::kHistoryFilledMeanwhile;
        case PredictionSave::locked:
            return &Messages::kLockedNotSaved;
        case PredictionSave::historyFull:
        case PredictionSave::failed:
            return &Messages::kSaveFailed;
    }
    return nullptr;
}

const MessageText* MessageFor(DrawEntry::Reason reason) {
    switch (reason) {
        case DrawEntry::Reason::written:
        case DrawEntry::Reason::alreadyEntered:  // the list shows its result: there is no entry to refuse
        case DrawEntry::Reason::notReady:        // the caller's own step failed and has said why
            return nullptr;
        case DrawEntry::Reason::notDue:
            return &Messages::kNotDue;
        case DrawEntry::Reason::notADrawNumber:
            return &Messages::kNoDrawNumber;
        case DrawEntry::Reason::earlierPending:
            return &Messages::kEarlierPending;
        case DrawEntry::Reason::enteredMeanwhile:
            return &Messages::kDrawEnteredMeanwhile;
        case DrawEntry::Reason::changedMeanwhile:
            return &Messages::kDrawChangedMeanwhile;
        case DrawEntry::Reason::locked:
            return &Messages::kLockedNotSaved;
        case DrawEntry::Reason::failed:
            return &Messages::kSaveFailed;
    }
    return nullptr;
}

const MessageText* MessageFor(ArchiveOutcome outcome) {
    switch (outcome) {
        case ArchiveOutcome::archived:
            return nullptr;
        case ArchiveOutcome::changed:
            return &Messages::kArchiveChangedMeanwhile;
        case ArchiveOutcome::locked:
            return &Messages::kLockedNotSaved;
        case ArchiveOutcome::failed:
            return &Messages::kSaveFailed;
    }
    return nullptr;
}

void SayFailedLoad(StoreEvent event) {
    switch (event) {
        case StoreEvent::playerUnreadable:
            ShowMessage(Messages::kPlayerLoadFailed);
            return;
        case StoreEvent::historyUnreadable:
            ShowMessage(Messages::kHistoryLoadFailed);
            return;
        case StoreEvent::playerLoaded:
        case StoreEvent::historyLoaded:
            return;
    }
}
