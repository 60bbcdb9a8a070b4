// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every settable global of the program, saved when the scope begins and put back when it ends, so that no
// test hands a changed one to the next: those of the core and the store (CoreGlobalsScope), the program files
// folder, the handler of message boxes, the links' opener and error box, the sound's mute, beep and plugin
// folders.
#include <QString>
#include <QStringList>
#include <utility>

#include "controls/CHyperLinkCtrl.h"
#include "controls/ProgramFiles.h"
#include "shell/CSoundPlayer.h"
#include "shell/MessageBox.h"
#include "tests/support/CoreGlobalsScope.h"

class ProgramGlobalsScope : public CoreGlobalsScope {
public:
    ProgramGlobalsScope()
        : folder(ProgramFiles()),
          setFolder(SetProgramFilesFolder({})),
          messageBoxes(SetMessageBoxHandler({})),
          urlOpener(CHyperLinkCtrl::SetUrlOpener({})),
          linkErrors(CHyperLinkCtrl::SetErrorReporter({})),
          beep(CSoundPlayer::SetBeepFunction({})),
          muted(CSoundPlayer::Instance().IsMuted()),
          pluginFolders(CSoundPlayer::PluginFolders()) {
        // Each setter answers with what it replaces: put back, the run goes on as it was.
        SetProgramFilesFolder(setFolder, folder.own);
        SetMessageBoxHandler(messageBoxes);
        CHyperLinkCtrl::SetUrlOpener(urlOpener);
        CHyperLinkCtrl::SetErrorReporter(linkErrors);
        CSoundPlayer::SetBeepFunction(beep);
    }
    ~ProgramGlobalsScope() {
        SetProgramFilesFolder(setFolder, folder.own);
        SetMessageBoxHandler(std::move(messageBoxes));
        CHyperLinkCtrl::SetUrlOpener(std::move(urlOpener));
        CHyperLinkCtrl::SetErrorReporter(std::move(linkErrors));
        CSoundPlayer::SetBeepFunction(std::move(beep));
        CSoundPlayer::Instance().SetMuted(muted);
        CSoundPlayer::SetPluginFolders(pluginFolders);
    }
    ProgramGlobalsScope(const ProgramGlobalsScope&) = delete;
    ProgramGlobalsScope& operator=(const ProgramGlobalsScope&) = delete;

private:
    ProgramFilesLocation folder;  // as found or set; its own tells what kind of folder a set one is
    QString setFolder;            // the folder a test set, empty when the run finds its own
    MessageBoxHandler messageBoxes;
    CHyperLinkCtrl::UrlOpener urlOpener;
    CHyperLinkCtrl::ErrorReporter linkErrors;
    CSoundPlayer::BeepFunction beep;
    bool muted;
    QStringList pluginFolders;
};
