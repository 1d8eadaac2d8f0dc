#pragma once

#include "app/QtServices.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <memory>
#include <string>

namespace cvn {
class TfrmMain;
class TfrmPreview;
} // namespace cvn

namespace cvn::test {

// A fresh program folder with the sample catalogue and its pictures, the desktop
// services a test answers (messages and launches recorded, save dialogs scripted) and,
// once asked for, the main window over them.
class TSampleProgram {
public:
    // settings: what "Corvane.ini" holds at start, when the test needs it.
    explicit TSampleProgram(const char* settings = nullptr);
    ~TSampleProgram();
    TSampleProgram(const TSampleProgram&) = delete;
    TSampleProgram& operator=(const TSampleProgram&) = delete;

    // The services the windows get; a test points UsePrompts, UseFileDialogs or UseClock
    // elsewhere before it creates them.
    TServices Services() { return {*UsePrompts, Launcher, *UseFileDialogs, *UseClock}; }
    // The main window, created at the first call with Services() and linked to the
    // windows above its layer as the program links it.
    TfrmMain& Main();
    // The spec preview that View Specs opens.
    TfrmPreview& Preview();
    // Sets the wizard up from the part number, then Next and Create as the user clicks
    // them; the part is composed.
    void Compose(const std::string& partNumber);

    TTempFolder Folder;
    TScriptedPrompts Prompts;
    TRecordingLauncher Launcher;
    TScriptedFileDialogs FileDialogs;
    TSystemClock SystemClock;
    TUserPrompts* UsePrompts = &Prompts;
    TFileDialogs* UseFileDialogs = &FileDialogs;
    TClock* UseClock = &SystemClock;

private:
    // Declared first: the main window's links refer to it, so it goes last.
    std::unique_ptr<TfrmPreview> PreviewWindow;
    std::unique_ptr<TfrmMain> Window;
};

} // namespace cvn::test
