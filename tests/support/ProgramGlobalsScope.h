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
          folderWasSet(!SetProgramFilesFolder(folder.folder, folder.own).isEmpty()),
          messageBoxes(SetMessageBoxHandler({})),
          urlOpener(CHyperLinkCtrl::SetUrlOpener({})),
          linkErrors(CHyperLinkCtrl::SetErrorReporter({})),
          beep(CSoundPlayer::SetBeepFunction({})),
          muted(CSoundPlayer::Instance().IsMuted()),
          pluginFolders(CSoundPlayer::PluginFolders()) {
        // Reading the folder set one when none was: the run goes back to finding it.
        if (!folderWasSet) {
            SetProgramFilesFolder({});
        }
        SetMessageBoxHandler(messageBoxes);
        CHyperLinkCtrl::SetUrlOpener(urlOpener);
        CHyperLinkCtrl::SetErrorReporter(linkErrors);
        CSoundPlayer::SetBeepFunction(beep);
    }
    ~ProgramGlobalsScope() {
        SetProgramFilesFolder(folderWasSet ? folder.folder : QString(), folder.own);
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
    ProgramFilesLocation folder;
    bool folderWasSet;
    MessageBoxHandler messageBoxes;
    CHyperLinkCtrl::UrlOpener urlOpener;
    CHyperLinkCtrl::ErrorReporter linkErrors;
    CSoundPlayer::BeepFunction beep;
    bool muted;
    QStringList pluginFolders;
};
