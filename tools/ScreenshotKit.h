#pragma once

// What the screenshot tool's steps share: prompts that only log, the main window's
// widgets by name, choices made through the window's own handlers, and saving.

#include "catalogue/UserPrompts.h"
#include "controls/MultiColumnCombo.h"
#include "wizard/Main.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <string>
#include <utility>

class QWidget;

namespace cvn::shots {

// Messages go to stderr: nobody could answer a box here.
class TLoggedPrompts : public cvn::TUserPrompts {
public:
    void Information(const std::string& text) override { Log("information", text); }
    void Error(const std::string& text) override { Log("error", text); }
    bool YesNo(const std::string& text) override {
        Log("confirm", text);
        return false;
    }
    cvn::TDialogResult ConfirmTapered(const std::string& message) override {
        Log("confirm", message);
        TaperedMessage = message;
        return cvn::TDialogResult::Cancel;
    }
    cvn::TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) override {
        Log("confirm", line1 + "\r" + line2);
        SwapLines = {line1, line2};
        return cvn::TDialogResult::Cancel;
    }

    // What the last confirmations asked, to be shown in their dialogs afterwards.
    std::string TaperedMessage;
    std::pair<std::string, std::string> SwapLines;

private:
    static void Log(const char* kind, const std::string& text);
};

// A widget of the main window by its object name; the tool stops on a missing one.
template <class T = cvn::TMultiColumnCombo> T* Widget(const cvn::TfrmMain& main, const char* name) {
    T* found = main.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("The main window has no %s", name);
    }
    return found;
}

// Chooses a family, a size and the first flanges through the window's own handlers,
// as the user would.
void ChooseThroughWindow(cvn::TfrmMain& main, int family, const char* size);

// A complete configuration through the window, then Next and Create. For two legs,
// leg B is made the longest the list has.
void Configure(cvn::TfrmMain& main, int family, const char* size, const char* flangeA,
               const char* flangeB);

// The update settings beside the program, put back as they were when the tool ends.
// Meanwhile the reminder is not due, so that no modal window waits for an answer.
class TUpdateSettingsKept {
public:
    explicit TUpdateSettingsKept(const std::string& programFolder);
    ~TUpdateSettingsKept();
    TUpdateSettingsKept(const TUpdateSettingsKept&) = delete;
    TUpdateSettingsKept& operator=(const TUpdateSettingsKept&) = delete;

private:
    std::string File;
    std::string Bytes;
    bool Existed = false;
};

// The widget's or the image's picture as FOLDER/NAME.png; says which file it wrote.
bool Save(QWidget* widget, const QDir& folder, const QString& name);
bool SaveImage(const QImage& image, const QDir& folder, const QString& name);

} // namespace cvn::shots
