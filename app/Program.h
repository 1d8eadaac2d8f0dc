#pragma once

#include "catalogue/Services.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace cvn {

class TfrmMain;

struct TProgramOptions {
    // The program was started without arguments.
    bool ShowSplash = true;
    // How long the splash stays after the last start-up window exists.
    int SplashMilliseconds = 400;
    std::string ProgramFolder;
};

// The program's start and end: the splash while the catalogue loads, the six start-up
// windows in their fixed order (main window, order window, Add to Order dialog, Quick
// Builder, Convert dialog, print preview), the message loop until the main window
// closes, then the other windows' destruction, which runs their clean-up.
class TProgram {
public:
    TProgram(TServices services, TProgramOptions options);
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    // Called with each window right after it has been created (the splash included).
    std::function<void(QWidget*)> OnWindowCreated;

    void CreateWindows();
    // Shows the main window and runs the message loop until it closes; then destroys
    // the windows. Returns the loop's exit code.
    int Run();
    // Last created, first destroyed.
    void DestroyWindows();

    TfrmMain* MainWindow() const;
    // The start-up windows in creation order; empty after DestroyWindows.
    std::vector<QWidget*> Windows() const;

private:
    void Created(QWidget* window);

    TServices Services;
    TProgramOptions Options;
    std::vector<std::unique_ptr<QWidget>> FWindows;
};

} // namespace cvn
