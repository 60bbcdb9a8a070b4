// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 复制号码, 打印预测单… and 导出 PDF… of a prediction, on the number page and in the records list's menu.
#include <QString>
#include <functional>
#include <optional>

#include "pages/PredictionSlip.h"

class CPredictStore;
class QAbstractItemView;
class QAction;
class QWidget;

// Puts the one line of CopiedCodesLine on the clipboard.
void CopySlipCodes(const PredictionSlip& slip);

// Shows the slip as it will be printed (A5 unless the user picks other paper), with the button that prints
// it through the print dialog.
void PrintSlip(const PredictionSlip& slip, QWidget* parent);

// Writes the slip as a PDF to a file the user picks, replaced whole or not at all, and says how it went;
// never over store's database or its safety copies.
void ExportSlipPdf(const CPredictStore& store, const PredictionSlip& slip, QWidget* parent);

// The three commands as actions of owner, in menu order, also added to keys, where their keys (Ctrl+C,
// Ctrl+P) work while the focus is in it: slip gives the prediction they act on, or nothing when there is
// none, and then they do nothing. The PDF is never written over store's files; store must outlive owner.
struct SlipActions {
    QAction* copy = nullptr;
    QAction* print = nullptr;
    QAction* pdf = nullptr;
};
SlipActions AddSlipActions(const CPredictStore& store, QWidget& owner, QWidget& keys,
                           std::function<std::optional<PredictionSlip>()> slip);

// A list copies its current cell on Ctrl+C before any shortcut sees the key: in view, the key runs copy.
void CopyKeyRunsAction(QAbstractItemView& view, QAction& copy);
