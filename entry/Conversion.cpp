#include "entry/Conversion.h"

#include "catalogue/FieldTable.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"
#include "catalogue/UserPrompts.h"

namespace cvn {

const char* const ConversionFailedMessage =
    "Sorry, that part number cannot be converted.\r"
    "Please check the part number again.\r"
    "If you have entered it correctly, but still get this message,\r"
    "please contact your Brenmoor Corporation represantative.";

std::optional<TConversion> LookupConversion(const std::string& oldPartNumber,
                                            TUserPrompts& prompts) {
    const std::string key = NormalisePartNumber(oldPartNumber);
    // A blank line of the table has an empty first column; it converts nothing.
    if (key.empty()) {
        return std::nullopt;
    }
    const TFieldTable table = LoadFieldTable("Conversion.tbl", prompts);
    for (int row = 0; row < table.RowCount(); ++row) {
        if (UpperCase(table.GetField(row, ConversionColumn::OldPart)) == key) {
            return TConversion{UpperCase(table.GetField(row, ConversionColumn::NewPart)),
                               std::string(table.GetField(row, ConversionColumn::Comment))};
        }
    }
    return std::nullopt;
}

void TOldPartConverter::FormCreate() {
    History.Load();
}

void TOldPartConverter::FormShow() {
    OldPartNumberText.clear();
    OldPartNumberIndex = -1;
    ForgetResult();
    Focus = TConvertFocus::OldPartNumber;
    ModalResult = TModalResult::None;
}

void TOldPartConverter::ForgetResult() {
    NewPartNumber.clear();
    Comments.clear();
    ContinueEnabled = false;
}

void TOldPartConverter::cbxOldPartNumberChange(const std::string& text, int itemIndex) {
    OldPartNumberText = text;
    OldPartNumberIndex = itemIndex;
    ForgetResult();
}

void TOldPartConverter::btnCreateClick() {
    const std::string oldPartNumber = NormalisePartNumber(OldPartNumberText);
    const std::optional<TConversion> found =
        oldPartNumber.empty() ? std::nullopt : LookupConversion(oldPartNumber, Prompts);
    if (!found) {
        ForgetResult();
        Prompts.Information(ConversionFailedMessage);
        return;
    }
    NewPartNumber = found->NewPartNumber;
    Comments = found->Comments;
    History.Add(oldPartNumber);
    ContinueEnabled = true;
    Focus = TConvertFocus::Continue;
}

void TOldPartConverter::btnContinueClick() {
    if (!ContinueEnabled) {
        return;
    }
    if (SetupFromPartNumber) {
        SetupFromPartNumber(Trim(NewPartNumber));
    }
    ModalResult = TModalResult::Ok;
}

void TOldPartConverter::btnCancelClick() {
    ModalResult = TModalResult::Cancel;
}

void TOldPartConverter::ClearAllItems1Click() {
    // Emptying the text is a change of the old part number like any other.
    cbxOldPartNumberChange("", -1);
    History.Clear();
}

void TOldPartConverter::FormDestroy() {
    History.Save();
}

} // namespace cvn
