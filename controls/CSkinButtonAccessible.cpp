// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CSkinButtonAccessible.h"

#include "controls/CSkinButton.h"

namespace {

QAccessible::Role RoleOf(const CSkinButton& button) {
    switch (button.Role()) {
        case CSkinButton::ButtonRole::Label:
            return QAccessible::StaticText;
        case CSkinButton::ButtonRole::Option:
            return QAccessible::RadioButton;
        case CSkinButton::ButtonRole::CheckBox:
            return QAccessible::CheckBox;
        case CSkinButton::ButtonRole::PushButton:
            break;
    }
    return QAccessible::Button;
}

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
    auto* button = qobject_cast<CSkinButton*>(object);
    return button != nullptr ? new CSkinButtonAccessible(button) : nullptr;
}

}  // namespace

CSkinButtonAccessible::CSkinButtonAccessible(CSkinButton* button)
    : QAccessibleWidget(button, RoleOf(*button)) {}

void CSkinButtonAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

QAccessible::Role CSkinButtonAccessible::role() const {
    return RoleOf(*Button());
}

CSkinButton* CSkinButtonAccessible::Button() const {
    return static_cast<CSkinButton*>(widget());
}

QString CSkinButtonAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        const QString name = Button()->accessibleName();
        return name.isEmpty() ? Button()->text() : name;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State CSkinButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const CSkinButton::ButtonRole buttonRole = Button()->Role();
    if (buttonRole == CSkinButton::ButtonRole::Option || buttonRole == CSkinButton::ButtonRole::CheckBox) {
        s.checkable = true;
        s.checked = Button()->IsOptionChosen();
    }
    return s;
}

// Buttons and options can be pressed from the assistive technology, as a click would; labels cannot.
QStringList CSkinButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (Button()->Role() != CSkinButton::ButtonRole::Label) {
        names.prepend(pressAction());
    }
    return names;
}

void CSkinButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && Button()->Role() != CSkinButton::ButtonRole::Label) {
        Button()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
