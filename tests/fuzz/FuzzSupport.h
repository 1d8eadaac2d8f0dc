#pragma once

#include "catalogue/UserPrompts.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <string_view>

namespace cvn::fuzz {

// Takes every message and answers each question from the fuzzer's data, so that each
// branch after a dialog is reached. Without data the answer is Continue / Yes.
class TFuzzPrompts : public TUserPrompts {
public:
    explicit TFuzzPrompts(FuzzedDataProvider* answers = nullptr) : Answers(answers) {}

    int Messages = 0;

    void Information(const std::string& text) override { Take(text); }
    void Error(const std::string& text) override { Take(text); }
    bool YesNo(const std::string& text) override;
    TDialogResult ConfirmTapered(const std::string& message) override;
    TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) override;

private:
    void Take(const std::string& text);
    TDialogResult Answer();
    FuzzedDataProvider* Answers;
};

// The program folder every harness runs in: a copy of the sample catalogue in a
// temporary folder, made on first use and set as AppPath. Removed at exit.
const std::string& ProgramFolder();

// Replaces one file of the Data folder for one run; the sample's own bytes come back
// when the object goes, so runs do not leak into each other.
class TReplacedTable {
public:
    TReplacedTable(std::string name, const std::string& bytes);
    ~TReplacedTable();
    TReplacedTable(const TReplacedTable&) = delete;
    TReplacedTable& operator=(const TReplacedTable&) = delete;

private:
    std::string Name;
};

// The catalogue tables a harness may replace, in a fixed order so that a byte of the
// input picks one.
extern const char* const kTableNames[];
extern const int kTableCount;

// A seed cannot be a pipe or a file of 64 MB. An input that starts with this line
// stands for a file larger than the program reads: the rest is written, then the
// file is stretched (sparsely) past the limit.
inline constexpr std::string_view kOversizeMarker = "#oversize\n";
bool IsOversize(const std::string& input);
// The input without the marker.
std::string WithoutMarker(const std::string& input);
// Stretches the file past the read limit.
void Stretch(const std::string& path);

// A crash with a message: the fuzzer reports it with the input that broke the rule.
[[noreturn]] void Fail(const std::string& what);

} // namespace cvn::fuzz
