#pragma once

#include "catalogue/UserPrompts.h"

#include <iosfwd>

namespace cvn {

// Messages as the command line reports them: "information: TEXT", "error: TEXT" or
// "confirm: TEXT" on one line, UTF-8, each carriage return written as "\r".
class TStderrPrompts : public TUserPrompts {
public:
    explicit TStderrPrompts(std::ostream& err, TDialogResult answer = TDialogResult::Continue)
        : Err(err), Answer(answer) {}

    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    void CatalogueError(const std::string& text) override;
    bool YesNo(const std::string& text) override;
    TDialogResult ConfirmTapered(const std::string& message) override;
    TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) override;

    // Whether any prompts of this run reported a catalogue error: the command then
    // ends with exit 1, whatever it was. One command runs at a time; RunCli resets it.
    static bool CatalogueFaultSeen();
    static void ResetCatalogueFaults();

private:
    void Write(const char* kind, const std::string& text);

    std::ostream& Err;
    TDialogResult Answer;
};

} // namespace cvn
