#include "shell/MessageBox.h"

#include <utility>

#include "controls/WindowPlacement.h"

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

}  // namespace

void MessageBox(const QString& text, const QString& caption, QWidget* owner, QMessageBox::Icon icon) {
    if (Handler()) {
        Handler()(text, caption);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    PlaceOverOwner(box, owner, false);
    box.exec();
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
