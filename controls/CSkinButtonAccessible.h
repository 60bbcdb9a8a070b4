// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology is told about a skinned button: a push button named by the words of its picture,
// which it can press; a label, read as static text named by its caption; an option square, read as a radio
// button that says whether it is chosen; a check box square, read as a check box that says whether it is
// checked (the square's picture is all a sighted user has to go by). Every
// skinned button gets this interface, whatever its role: Qt remembers which factory served a class.
#include <QAccessibleWidget>

class CSkinButton;

class CSkinButtonAccessible : public QAccessibleWidget {
public:
    explicit CSkinButtonAccessible(CSkinButton* button);

    // Registers the interface with Qt's accessibility, once.
    static void Install();

    // Follows the button's role as it is now, not as it was when the interface was made.
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    CSkinButton* Button() const;
};
