#pragma once

#include "catalogue/Services.h"

#include <deque>
#include <string>
#include <vector>

namespace cvn::test {

// The save dialog answers with the next scripted name and filter entry, the open dialog
// with the next scripted name; with none left either is cancelled. The filter lists the
// save dialog was shown are kept.
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

    std::deque<std::string> OpenAnswers;
    bool OpenFileName(const std::string&, const std::string&, std::string& fileName) override {
        if (OpenAnswers.empty()) {
            return false;
        }
        fileName = OpenAnswers.front();
        OpenAnswers.pop_front();
        return true;
    }
};

} // namespace cvn::test
