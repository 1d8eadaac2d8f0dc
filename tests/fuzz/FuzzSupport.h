#pragma once

#include "catalogue/UserPrompts.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace cvn {
class TConfigurator;
}

namespace cvn::fuzz {

// Takes every message and answers each question from the fuzzer's data, so that each
// branch after a dialog is reached. Without data the answer is Continue / Yes.
class TFuzzPrompts : public TUserPrompts {
public:
    explicit TFuzzPrompts(FuzzedDataProvider* answers = nullptr) : Answers(answers) {}

    int Messages = 0;

    // Reading the text lets the sanitizers see a message built from freed memory.
    void Information(const std::string& text) override { Messages += text.empty() ? 0 : 1; }
    void Error(const std::string& text) override { Information(text); }
    bool YesNo(const std::string& text) override { return Ask(text) != TDialogResult::Cancel; }
    TDialogResult ConfirmTapered(const std::string& message) override { return Ask(message); }
    TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) override {
        return Ask(line1 + "\r" + line2);
    }

private:
    TDialogResult Ask(const std::string& text) {
        Information(text);
        if (Answers == nullptr || Answers->remaining_bytes() == 0) {
            return TDialogResult::Continue;
        }
        return Answers->PickValueInArray(
            {TDialogResult::Continue, TDialogResult::Cancel, TDialogResult::Swap});
    }
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

// The table replaced by these bytes, or none when there are none (the sample's is read).
std::unique_ptr<TReplacedTable> ReplaceUnlessEmpty(const char* name, const std::string& bytes);
// The catalogue tables a harness may replace, in a fixed order so that a byte picks one.
extern const char* const kTableNames[];
extern const int kTableCount;

inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}
// The input's first line, and what follows its line break.
std::pair<std::string, std::string> SplitFirstLine(const std::string& input);

// A seed cannot be a pipe or a file of 64 MB. An input that starts with this line
// stands for a file larger than the program reads: the rest is written, then the
// file is stretched (sparsely) past the limit.
inline constexpr std::string_view kOversizeMarker = "#oversize\n";
bool IsOversize(const std::string& input);
// Writes the input without the marker to the file, stretched past the read limit when
// the input is marked; returns the bytes written.
std::string WriteInput(const std::string& path, const std::string& input);
void WriteFile(const std::string& path, const std::string& bytes);
// The bytes a writer left, or a failure when there is no file to read.
std::string ReadBack(const std::string& path);
inline bool EndsWithCrLf(const std::string& bytes) {
    return bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0;
}

// The wizard of the sample program folder in inches, as the main window creates it.
std::unique_ptr<TConfigurator> NewWizard(TUserPrompts& prompts);

// A crash with a message: the fuzzer reports it with the input that broke the rule.
[[noreturn]] void Fail(const std::string& what);
inline void FailIf(bool broken, const char* rule) {
    if (broken) {
        Fail(rule);
    }
}

} // namespace cvn::fuzz
