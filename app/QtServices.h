#pragma once

#include "catalogue/Services.h"

namespace cvn {

// Message boxes: an information or error icon with OK, or a Yes/No question. A
// carriage return inside a text is a line break.
class TQtPrompts : public TUserPrompts {
public:
    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    bool YesNo(const std::string& text) override;
    TDialogResult ConfirmTapered(const std::string& message) override;
    TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) override;
};

class TDesktopLauncher : public TLauncher {
public:
    bool Open(const std::string& fileOrAddress) override;
};

class TQtFileDialogs : public TFileDialogs {
public:
    bool SaveFileName(const std::string& title, const std::string& filter, std::string& fileName,
                      int& filterIndex) override;
    bool OpenFileName(const std::string& title, const std::string& filter,
                      std::string& fileName) override;
};

class TSystemClock : public TClock {
public:
    std::chrono::system_clock::time_point Now() override {
        return std::chrono::system_clock::now();
    }
};

// The desktop services of the running program.
class TQtServices {
public:
    TQtPrompts Prompts;
    TDesktopLauncher Launcher;
    TQtFileDialogs FileDialogs;
    TSystemClock Clock;

    TServices Services() { return {Prompts, Launcher, FileDialogs, Clock}; }
};
} // namespace cvn
