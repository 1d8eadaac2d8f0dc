#pragma once

#include "catalogue/Services.h"

#include <deque>
#include <string>
#include <vector>

namespace cvn::test {

// The save dialog answers with the next scripted name and filter entry; with none left
// it is cancelled. The filter lists it was shown are kept.
class TScriptedFileDialogs : public TFileDialogs {
public:
    struct TAnswer {
        std::string FileName;
        int Entry;
    };
    std::deque<TAnswer> Answers;
    std::vector<std::string> Filters;

    bool SaveFileName(const std::string&, const std::string& filter, std::string& fileName,
                      int& filterIndex) override {
        Filters.push_back(filter);
        if (Answers.empty()) {
            return false;
        }
        fileName = Answers.front().FileName;
        filterIndex = Answers.front().Entry;
        Answers.pop_front();
        return true;
    }
};

} // namespace cvn::test
