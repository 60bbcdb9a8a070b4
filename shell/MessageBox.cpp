// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MessageBox.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <utility>

#include "controls/WindowPlacement.h"

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

// A window manager writes the caption into the box's title bar beside its own buttons: a box only as wide as
// a short text, such as Messages::kNotDue, shows its caption 未开奖 as 未….
void LeaveRoomForTheCaption(QMessageBox& box, const QString& caption) {
    const int width = WidthForCaption(caption);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
}

}  // namespace

void MessageBox(const QString& text, const QString& caption, QWidget* owner, QMessageBox::Icon icon,
                const QString& details) {
    if (Handler()) {
        Handler()(text, caption);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    box.setDetailedText(details);
    LeaveRoomForTheCaption(box, caption);
    PlaceOverOwner(box, owner, false);
    box.exec();
}

void MessageBox(const MessageText& message, QWidget* owner, QMessageBox::Icon icon) {
    MessageBox(TextOf(message), CaptionOf(message), owner, icon);
}

bool AskQuestion(const QString& text, const QString& caption, const QString& yes, QWidget* owner) {
    QMessageBox question(QMessageBox::Question, caption, text, QMessageBox::NoButton, owner);
    const QAbstractButton* chosen = question.addButton(yes, QMessageBox::AcceptRole);
    question.setDefaultButton(question.addButton(QStringLiteral("取消"), QMessageBox::RejectRole));
    LeaveRoomForTheCaption(question, caption);
    PlaceOverOwner(question, owner, false);
    question.exec();
    return question.clickedButton() == chosen;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
