#pragma once

#include "entry/PartHistory.h"

#include <functional>
#include <string>

namespace cvn {

// Sets the wizard up from a part number. The part-number dialogs get it from the
// program, which points it at the main window; left empty, it does nothing.
using TSetupFromPartNumber = std::function<void(const std::string& partNumber)>;

// How a dialog was closed; None while it is open.
enum class TModalResult { None, Ok, Cancel };

// The Quick Builder's state and rules, without windows: the part-number box with its
// history, and what Create, Close and Clear All Items do to them. Texts are
// Windows-1252.
class TQuickBuilder {
public:
    TSetupFromPartNumber SetupFromPartNumber;

    // cbxPartNumber: its text, its selected item (-1 for none) and its items.
    std::string PartNumberText;
    int PartNumberIndex = -1;
    TPartHistory History{"Parts.hst"};

    TModalResult ModalResult = TModalResult::None;

    // Once, at program start: the history from "Parts.hst".
    void FormCreate();
    void FormShow();
    // The box's text or selected item changed.
    void cbxPartNumberChange(const std::string& text, int itemIndex);
    // Applies the typed part number, remembers it and closes.
    void btnCreateClick();
    void btnCloseClick();
    void mnuClearAllItemsClick();
    // Once, at program end: the history to "Parts.hst". Raises EFCreateError when the
    // file cannot be written.
    void FormDestroy();
};

// The typed text as the part-number boxes take it: blanks and control characters
// around it removed, A to Z upper-cased.
std::string NormalisePartNumber(const std::string& typed);

} // namespace cvn
