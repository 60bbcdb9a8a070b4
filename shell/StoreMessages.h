// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words for what the store's actions came to (store/StoreOutcomes.h): the store returns, the windows and
// the command line say. Each function lists every reason, so a new one does not build until it has words.
#include "core/MessageTexts.h"
#include "store/StoreEvents.h"
#include "store/StoreOutcomes.h"

// Each returns the message that says the outcome, or nullptr when there is nothing to say: it went through,
// or the caller shows it otherwise (a record that has its result shows it in the list).

const MessageText* MessageFor(OpenOutcome outcome);
const MessageText* MessageFor(SaveOutcome outcome);
// The date dialog's refusals too, for a rule the file broke by the time the prediction was saved.
// Messages::kCalendarTooOld and Messages::kEarlierPending take a number (%1): the year, the row.
const MessageText* MessageFor(PredictionSave outcome);
const MessageText* MessageFor(DrawEntry::Reason reason);
// An archive that did not happen: the records changed, the file stayed locked, or the write failed
// (Messages::kSaveFailed, as the windows say it; the command line has words of its own for that).
const MessageText* MessageFor(ArchiveOutcome outcome);

// A listener for the store (CPredictStore::Listen) that says, through the message sink, each load that could
// not read the file: whoever asked for the load, the failure is said once, there.
void SayFailedLoad(StoreEvent event);
