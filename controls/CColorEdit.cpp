// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CColorEdit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTextOption>
#include <QVBoxLayout>

CColorEdit::CColorEdit(Mode editMode, QWidget* parent) : QWidget(parent), mode(editMode) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (mode == SingleLine) {
        line = new QLineEdit(this);
        layout->addWidget(line);
        connect(line, &QLineEdit::textChanged, this, &CColorEdit::textChanged);
    } else {
        plain = new QPlainTextEdit(this);
        // Long texts of the pages wrap at the field's edge, as an edit with automatic wrapping does.
        plain->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        plain->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Tab moves to the next field, as in every dialog edit, instead of typing a tab into the text.
        plain->setTabChangesFocus(true);
        layout->addWidget(plain);
        connect(plain, &QPlainTextEdit::textChanged, this, &CColorEdit::textChanged);
    }
    setFocusProxy(editor());
}

QWidget* CColorEdit::editor() const {
    if (line != nullptr) {
        return line;
    }
    return plain;
}

void CColorEdit::SetEditColours(int backRed, int backGreen, int backBlue, int textRed, int textGreen,
                                int textBlue) {
    SetEditColours(RGB(backRed, backGreen, backBlue), RGB(textRed, textGreen, textBlue));
}

void CColorEdit::SetEditColours(COLORREF back, COLORREF text) {
    backColour = back;
    textColour = text;
    ApplyColours();
}

void CColorEdit::ApplyColours() {
    // The same colours in every colour group: a read-only or inactive field keeps its page's look.
    QPalette pal = editor()->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, ToQColor(backColour));
        pal.setColor(group, QPalette::Window, ToQColor(backColour));
        pal.setColor(group, QPalette::Text, ToQColor(textColour));
        pal.setColor(group, QPalette::WindowText, ToQColor(textColour));
    }
    editor()->setPalette(pal);
    if (plain != nullptr) {
        plain->viewport()->setPalette(pal);
    }
    editor()->update();
    if (plain != nullptr) {
        plain->viewport()->update();
    }
}

void CColorEdit::SetText(const QString& text) {
    if (line != nullptr) {
        line->setText(text);
        // A text wider than its box shows its beginning, not its end (a long issue number keeps its first
        // digits in view).
        line->setCursorPosition(0);
    } else {
        plain->setPlainText(text);
    }
}

QString CColorEdit::Text() const {
    return line != nullptr ? line->text() : plain->toPlainText();
}

void CColorEdit::SetCentred(bool centred) {
    const Qt::Alignment horizontal = centred ? Qt::AlignHCenter : Qt::AlignLeft;
    if (line != nullptr) {
        line->setAlignment(horizontal | Qt::AlignVCenter);
        return;
    }
    QTextOption option = plain->document()->defaultTextOption();
    option.setAlignment(horizontal);
    plain->document()->setDefaultTextOption(option);
}

bool CColorEdit::SetDigitsOnly(int maxLength) {
    if (line == nullptr) {
        return false;
    }
    // A pattern, not an integer validator: "0129" or "+1,2" must not get through.
    if (maxLength == kAnyLength) {
        line->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), line));
        return true;
    }
    const QRegularExpression digits(QStringLiteral("[0-9]{0,%1}").arg(maxLength));
    line->setValidator(new QRegularExpressionValidator(digits, line));
    line->setMaxLength(maxLength);
    return true;
}

void CColorEdit::SetMaxLength(int maxLength) {
    if (line != nullptr) {
        line->setMaxLength(maxLength);
    }
}

void CColorEdit::SetReadOnly(bool readOnly) {
    if (line != nullptr) {
        line->setReadOnly(readOnly);
    } else {
        plain->setReadOnly(readOnly);
    }
}

void CColorEdit::SetBorder(bool border) {
    if (line != nullptr) {
        line->setFrame(border);
    } else {
        plain->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
    }
}

void CColorEdit::SetVerticalScroll(bool scroll) {
    if (plain != nullptr) {
        plain->setVerticalScrollBarPolicy(scroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    }
}

void CColorEdit::SetFont(const QFont& font) {
    editor()->setFont(font);
}

void CColorEdit::SetAccessibleName(const QString& name) {
    editor()->setAccessibleName(name);
}
