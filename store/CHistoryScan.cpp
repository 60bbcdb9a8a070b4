// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CHistoryScan.h"

#include <cstdint>

namespace {

constexpr const char* kSelectHistory = "SELECT * FROM data_history";
constexpr const char* kSelectHistoryWithRowId = "SELECT rowid, * FROM data_history";

}  // namespace

CHistoryScan::CHistoryScan(const CSqliteConnection& connection, bool rowIds)
    : statement(connection, rowIds ? kSelectHistoryWithRowId : kSelectHistory),
      reader(statement),
      withRowId(rowIds) {}

CHistoryScan::Step CHistoryScan::Next() {
    for (;;) {
        switch (statement.Step()) {
            case CSqliteStatement::StepResult::done:
                return Step::done;
            case CSqliteStatement::StepResult::error:
                return Step::failed;
            case CSqliteStatement::StepResult::row:
                break;
        }
        int order = 0;
        if (!reader.ReadOrder(order)) {
            slot = 0;
            return Step::unreadable;
        }
        // A row outside slots 1 .. 399, or a second row for a slot already filled, has nowhere to go.
        if (order < 1 || order >= HISTORY_SLOTS || filled.test(static_cast<std::size_t>(order))) {
            continue;
        }
        filled.set(static_cast<std::size_t>(order));
        slot = order;
        return Step::row;
    }
}

bool CHistoryScan::RowId(long long& rowId) const {
    std::int64_t id = 0;
    if (!withRowId || !statement.Column(0).ToInteger(id)) {
        return false;
    }
    rowId = id;
    return true;
}
