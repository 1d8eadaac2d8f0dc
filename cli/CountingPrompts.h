#pragma once

#include "catalogue/UserPrompts.h"

namespace cvn {

// Passes every message on and counts the errors, so that a command can end with
// exit 1 after a table failed to load even where the core goes on without it.
class TCountingPrompts : public TUserPrompts {
public:
    explicit TCountingPrompts(TUserPrompts& inner) : Inner(inner) {}

    int Errors = 0;

    void Information(const std::string& text) override { Inner.Information(text); }
    void Error(const std::string& text) override {
        ++Errors;
        Inner.Error(text);
    }
    bool YesNo(const std::string& text) override { return Inner.YesNo(text); }
    TDialogResult ConfirmTapered(const std::string& message) override {
        return Inner.ConfirmTapered(message);
    }
    TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) override {
        return Inner.ConfirmSwap(line1, line2);
    }

private:
    TUserPrompts& Inner;
};

} // namespace cvn
