#include "cli/StderrPrompts.h"

#include "catalogue/Encoding.h"

#include <ostream>

namespace cvn {

void TStderrPrompts::Write(const char* kind, const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\r') {
            escaped += "\\r";
        } else {
            escaped += c;
        }
    }
    Err << kind << ": " << Win1252ToUtf8(escaped) << '\n';
    Err.flush();
}

void TStderrPrompts::Information(const std::string& text) {
    Write("information", text);
}

void TStderrPrompts::Error(const std::string& text) {
    Write("error", text);
}

namespace {
bool CatalogueFault = false;
} // namespace

void TStderrPrompts::CatalogueError(const std::string& text) {
    CatalogueFault = true;
    Write("error", text);
}

bool TStderrPrompts::CatalogueFaultSeen() {
    return CatalogueFault;
}

void TStderrPrompts::ResetCatalogueFaults() {
    CatalogueFault = false;
}

bool TStderrPrompts::YesNo(const std::string& text) {
    Write("confirm", text);
    return Answer != TDialogResult::Cancel;
}

TDialogResult TStderrPrompts::ConfirmTapered(const std::string& message) {
    Write("confirm", message);
    // The tapered dialog has no Swap button.
    return Answer == TDialogResult::Swap ? TDialogResult::Continue : Answer;
}

TDialogResult TStderrPrompts::ConfirmSwap(const std::string& line1, const std::string& line2) {
    Write("confirm", "The flange and corresponding length of each leg are different. Please "
                     "verify your configuration.\r" +
                         line1 + "\r" + line2 +
                         "\rIf the configuration is correct as is, press the Continue button. To "
                         "have the program swap the flanges automatically, press the Swap "
                         "button. Press the Cancel button to return to the main selection "
                         "screen.");
    return Answer;
}

} // namespace cvn
