#include "entry/QuickBuilder.h"

namespace cvn {

std::string NormalisePartNumber(const std::string& typed) {
    return UpperCase(Trim(typed));
}

void TQuickBuilder::FormCreate() {
    History.Load();
}

void TQuickBuilder::FormShow() {
    PartNumberText.clear();
    PartNumberIndex = -1;
    ModalResult = TModalResult::None;
}

void TQuickBuilder::cbxPartNumberChange(const std::string& text, int itemIndex) {
    PartNumberText = text;
    PartNumberIndex = itemIndex;
}

void TQuickBuilder::btnCreateClick() {
    const std::string partNumber = NormalisePartNumber(PartNumberText);
    if (!partNumber.empty()) {
        if (SetupFromPartNumber) {
            SetupFromPartNumber(partNumber);
        }
        // Also an unrecognised part number: the wizard gives no answer to go by.
        History.Add(partNumber);
    }
    ModalResult = TModalResult::Ok;
}

void TQuickBuilder::btnCloseClick() {
    ModalResult = TModalResult::Cancel;
}

void TQuickBuilder::mnuClearAllItemsClick() {
    PartNumberText.clear();
    PartNumberIndex = -1;
    History.Clear();
}

void TQuickBuilder::FormDestroy() {
    History.Save();
}

} // namespace cvn
