#pragma once

#include "catalogue/UserPrompts.h"

#include <chrono>
#include <string>

namespace cvn {

// Opens a file or a web address with the desktop's handler for it.
class TLauncher {
public:
    virtual ~TLauncher() = default;
    // False when nothing could open it.
    virtual bool Open(const std::string& fileOrAddress) = 0;
};

// The platform's save-file and open-file dialogs.
class TFileDialogs {
public:
    virtual ~TFileDialogs() = default;
    // filter: "Description|*.ext|Description|*.ext"; filterIndex counts from 1. False
    // when the user cancelled; otherwise fileName holds the chosen name.
    virtual bool SaveFileName(const std::string& title, const std::string& filter,
                              std::string& fileName, int& filterIndex) = 0;
    // The open-file dialog, with a filter as above. False when the user cancelled.
    virtual bool OpenFileName(const std::string& title, const std::string& filter,
                              std::string& fileName) = 0;
};

class TClock {
public:
    virtual ~TClock() = default;
    virtual std::chrono::system_clock::time_point Now() = 0;
};

// What the windows need of the desktop; the program passes the real ones, tests
// their own.
struct TServices {
    TUserPrompts& Prompts;
    TLauncher& Launcher;
    TFileDialogs& FileDialogs;
    TClock& Clock;
};

} // namespace cvn
