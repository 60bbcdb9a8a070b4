// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every skinned window of the program: the pages the main window shows in its containers and the
// small modal dialogs. Each paints its background picture, read anew on every paint, and sets itself up once
// in OnInitDialog: a page when its container creates it, a dialog just before it is first shown.
#include <QDialog>
#include <QObject>
#include <QString>

#include "controls/WindowPlacement.h"
#include "shell/Navigation.h"

class CPageDialog : public QDialog {
    Q_OBJECT

public:
    // No parent: the main window or a container takes the page over with Create.
    explicit CPageDialog(QWidget* parent = nullptr);

    // Makes the page a child of parent (hidden) and runs OnInitDialog. Returns what OnInitDialog returns.
    bool Create(QWidget* parent);
    // Runs the dialog modally, as exec() does, over what it belongs to (its parent, else the active window):
    // centred over that window, or covering the parent exactly (SetPlacement), whole on its screen;
    // OnInitDialog runs first. Returns QDialog::Accepted (OK) or QDialog::Rejected (cancel).
    int DoModal();

    // The picture drawn at the window's origin on every paint, at most width x height of it: not stretched; a
    // larger file is cut, a smaller one leaves the rest.
    void SetBackgroundFile(const QString& file, int width, int height);
    QString BackgroundFile() const { return backgroundFile; }

    // Asks the main window to move on; the message is posted, so this page's handler returns first.
    void PostNavigate(NavStage stage, NavCode code);

    void setVisible(bool visible) override;

    // The control that takes the focus when the page opens; null when the page has none (the focus then
    // rests on the page itself).
    virtual QWidget* FirstControl() { return nullptr; }

    // The window that receives this page's messages; set by the main window right after construction.
    QObject* mainWindow = nullptr;

protected:
    // How DoModal places the dialog over its parent; centred unless set.
    void SetPlacement(Placement how) { placement = how; }

    // Sets up the controls, once. Returns true.
    virtual bool OnInitDialog();
    // Enter with no button focused, and Esc, in a dialog window; a page inside a container ignores them.
    virtual void OnOK();
    virtual void OnCancel();

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    bool EnsureInitialised();

    QString backgroundFile;
    int backgroundWidth = 0;
    int backgroundHeight = 0;
    bool initialised = false;
    Placement placement = Placement::centred;
};
