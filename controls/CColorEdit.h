// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text field drawn in colours its page chooses, so a field placed on a page's picture shows as a coloured
// box of that picture. One line (a QLineEdit) or several (a QPlainTextEdit), chosen at construction.
#include <QFont>
#include <QString>
#include <QWidget>

#include "controls/Colour.h"

class QLineEdit;
class QPlainTextEdit;

class CColorEdit : public QWidget {
    Q_OBJECT

public:
    enum Mode { SingleLine, MultiLine };

    explicit CColorEdit(Mode mode, QWidget* parent = nullptr);

    // Back and text colour as red, green, blue; repaints at once.
    void SetEditColours(int backRed, int backGreen, int backBlue, int textRed, int textGreen, int textBlue);
    // The same with two colour values, for colours the program names once.
    void SetEditColours(COLORREF back, COLORREF text);
    COLORREF BackColour() const { return backColour; }
    COLORREF TextColour() const { return textColour; }

    void SetText(const QString& text);
    QString Text() const;
    void SetCentred(bool centred);
    // SetDigitsOnly without a limit on the count of digits.
    static constexpr int kAnyLength = -1;

    // Only digits, at most maxLength of them (kAnyLength: as many as typed). Single-line fields only: returns
    // false for a multi-line one.
    bool SetDigitsOnly(int maxLength);
    void SetMaxLength(int maxLength);
    void SetReadOnly(bool readOnly);
    void SetBorder(bool border);
    void SetVerticalScroll(bool scroll);
    void SetFont(const QFont& font);
    // The name a screen reader says for the field: the caption beside it on the page. It goes to the inner
    // editor, which is what takes the focus.
    void SetAccessibleName(const QString& name);

    Mode EditMode() const { return mode; }
    // The inner editor, for focus, signals and tests.
    QWidget* editor() const;
    QLineEdit* lineEdit() const { return line; }
    QPlainTextEdit* plainTextEdit() const { return plain; }

signals:
    // The user or the program changed the text.
    void textChanged();

private:
    void ApplyColours();

    Mode mode;
    QLineEdit* line = nullptr;
    QPlainTextEdit* plain = nullptr;
    COLORREF backColour = RGB(255, 255, 255);
    COLORREF textColour = RGB(0, 0, 0);
};
