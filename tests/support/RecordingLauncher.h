#pragma once

#include "catalogue/Services.h"

#include <string>
#include <vector>

namespace cvn::test {

// Notes what the program hands the desktop to open, and answers as the test says.
class TRecordingLauncher : public TLauncher {
public:
    std::vector<std::string> Opened;
    bool Answer = true;

    bool Open(const std::string& target) override {
        Opened.push_back(target);
        return Answer;
    }
};

} // namespace cvn::test
