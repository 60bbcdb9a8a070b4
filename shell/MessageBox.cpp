#include "shell/MessageBox.h"

#include <utility>

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
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
    box.exec();
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
