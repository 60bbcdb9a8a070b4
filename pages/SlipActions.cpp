// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/SlipActions.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

#include "controls/WindowPlacement.h"
#include "pages/FileChoice.h"
#include "pages/print/PrintEntry.h"
#include "shell/DatabaseLocation.h"
#include "shell/FileErrors.h"
#include "shell/MessageBox.h"
#include "shell/PluginFolders.h"
#include "store/RecordColumnText.h"
#include "store/RegularFile.h"

void CopySlipCodes(const PredictionSlip& slip) {
    QGuiApplication::clipboard()->setText(CopiedCodesLine(slip));
}

namespace {

const QString kPrintPlugin = QStringLiteral("morvint_print.so");

// The preview lives in the print plugin, loaded on the first print (it stays loaded).
PrintPreviewFunction PrintPreview() {
    return reinterpret_cast<PrintPreviewFunction>(PluginEntry(kPrintPlugin, kPrintPreviewEntry));
}

}  // namespace

void PrintSlip(const PredictionSlip& slip, QWidget* parent) {
    const PrintPreviewFunction preview = PrintPreview();
    if (preview == nullptr) {
        MessageBox(TextOf(Messages::kPrintUnavailable).arg(kPrintPlugin),
                   CaptionOf(Messages::kPrintUnavailable), parent, QMessageBox::Warning);
        return;
    }
    const PrintJob job{
        .title = QStringLiteral("打印预测单"),
        .documentName = QStringLiteral("预测单 ") + CopiedCodesLine(slip),
        .paint = [&slip](QPainter& painter, const QRectF& page) { PaintSlip(painter, page, slip); },
        .place = [parent](QDialog& dialog) { PlaceOverOwner(dialog, parent, false); }};
    preview(job, parent);
}

void ExportSlipPdf(const CPredictStore& store, const PredictionSlip& slip, QWidget* parent) {
    const QString file = ChooseFileToWrite(
        store, parent, CaptionOf(Messages::kSlipExported),
        QStringLiteral("预测单 %1.pdf").arg(QString::fromStdString(IsoDateText(slip.drawDate))),
        QStringLiteral("PDF 文件 (*.pdf)"));
    if (file.isEmpty()) {
        return;
    }
    const std::string path = LocalPath(file);
    const bool hadFile = QFile::exists(file);
    const QByteArray pdf = SlipPdf(slip);
    const FileOutcome outcome = ReplaceRegularFileWith(path, pdf.toStdString());
    if (!outcome.Ok()) {
        MessageBox(ExportFailureText(path, outcome, hadFile), CaptionOf(Messages::kExportFailed), parent,
                   QMessageBox::Warning);
        return;
    }
    MessageBox(TextOf(Messages::kSlipExported).arg(QuotedFileName(path)), CaptionOf(Messages::kSlipExported),
               parent);
}

namespace {

class CopyKeyFilter : public QObject {
public:
    CopyKeyFilter(QObject* parent, QAction& copyAction) : QObject(parent), copy(copyAction) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            copy.trigger();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAction& copy;
};

}  // namespace

void CopyKeyRunsAction(QAbstractItemView& view, QAction& copy) {
    view.installEventFilter(new CopyKeyFilter(&view, copy));
}

SlipActions AddSlipActions(const CPredictStore& store, QWidget& owner, QWidget& keys,
                           std::function<std::optional<PredictionSlip>()> slip) {
    using Command = std::function<void(const PredictionSlip&, QWidget*)>;
    const auto make = [&owner, &keys, slip](const QString& text, const QKeySequence& key,
                                            const Command& run) {
        auto* action = new QAction(text, &owner);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        keys.addAction(action);
        QObject::connect(action, &QAction::triggered, &owner, [&owner, slip, run] {
            if (const std::optional<PredictionSlip> chosen = slip()) {
                run(*chosen, &owner);
            }
        });
        return action;
    };
    return {make(QStringLiteral("复制号码"), QKeySequence::Copy,
                 [](const PredictionSlip& chosen, QWidget*) { CopySlipCodes(chosen); }),
            make(QStringLiteral("打印预测单…"), QKeySequence::Print, &PrintSlip),
            make(QStringLiteral("导出 PDF…"), QKeySequence(),
                 [&store](const PredictionSlip& chosen, QWidget* parent) {
                     ExportSlipPdf(store, chosen, parent);
                 })};
}
