#pragma once

#include "entry/QuickBuilder.h"

#include <optional>
#include <string>

namespace cvn {

class TUserPrompts;

// One row of "Conversion.tbl": the part number that replaces an old one, and why.
struct TConversion {
    std::string NewPartNumber; // upper-cased
    std::string Comments;      // as the table writes it
};

// Looks the old part number up in "Conversion.tbl", read afresh on every call. Case
// is ignored on both sides; the first matching row wins. An empty part number matches
// nothing. A table that cannot be loaded is reported through prompts and finds nothing.
std::optional<TConversion> LookupConversion(const std::string& oldPartNumber,
                                            TUserPrompts& prompts);

// What the Convert dialog says when a part number cannot be converted.
extern const char* const ConversionFailedMessage;

// Where the Convert dialog's focus goes.
enum class TConvertFocus { OldPartNumber, Continue };

// The Convert dialog's state and rules, without windows. It has two states: no
// result (Continue disabled, result boxes empty) and converted. Texts are
// Windows-1252.
class TOldPartConverter {
public:
    explicit TOldPartConverter(TUserPrompts& prompts) : Prompts(prompts) {}

    TSetupFromPartNumber SetupFromPartNumber;

    // cbxOldPartNumber: its text, its selected item (-1 for none) and its items.
    std::string OldPartNumberText;
    int OldPartNumberIndex = -1;
    TPartHistory History{"OldParts.hst"};

    // txtNewPartNumber, txtComments and btnContinue.
    std::string NewPartNumber;
    std::string Comments;
    bool ContinueEnabled = false;

    TConvertFocus Focus = TConvertFocus::OldPartNumber;
    TModalResult ModalResult = TModalResult::None;

    // Once, at program start: the history from "OldParts.hst".
    void FormCreate();
    void FormShow();
    // Every change of the old part number's text, also choosing a history item.
    void cbxOldPartNumberChange(const std::string& text, int itemIndex);
    // The Convert button.
    void btnCreateClick();
    // Sets the wizard up from the new part number and closes; not while disabled.
    void btnContinueClick();
    void btnCancelClick();
    void ClearAllItems1Click();
    // Once, at program end: the history to "OldParts.hst". Raises EFCreateError when
    // the file cannot be written.
    void FormDestroy();

private:
    void ForgetResult();

    TUserPrompts& Prompts;
};

} // namespace cvn
