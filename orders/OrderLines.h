#pragma once

#include "catalogue/TableColumns.h"
#include "catalogue/cvnLib.h"

#include <string>

namespace cvn {

class TTxtTable;
class TUserPrompts;
struct TPriceTexts;

// The quantities the Add to Order dialog offers.
constexpr int MinOrderQuantity = 1;
constexpr int MaxOrderQuantity = 99999;

// A quantity the Add to Order dialog can order, as typed: digits only, 1 to 99999. An
// emptied box or 0 is none, and has neither price nor line.
bool ParseOrderQuantity(const std::string& text, int& quantity);

// The line holding the part number (first match), or -1.
int FindOrderLine(const TTxtTable& orderLines, const std::string& partNumber);

// The Add button: a listed part gets the new quantity, price and delivery (never the
// sum; its part number and description stay); any other part is appended as a new
// line. Returns the line's index.
int AddOrderLine(TTxtTable& orderLines, const TOrder& order, const std::string& quantityText,
                 const TPriceTexts& texts);

// The order of one line, for Change Quantity and Edit Part Number. A quantity that is
// no whole number raises EConvertError.
TOrder OrderOfLine(const TTxtTable& orderLines, int line);

// What the Add to Order dialog shows on opening for an order over the list.
struct TAddOrderLook {
    bool Listed = false;    // the part already has a line
    std::string Note;       // lblNote
    bool NoteIsRed = false; // red for a listed part, navy otherwise
    std::string AddCaption;
    int Quantity = 1; // the listed line's quantity, or 1
};
// A listed quantity that is no whole number raises EConvertError.
TAddOrderLook AddOrderLook(const TTxtTable& orderLines, const TOrder& order);

// "Orders - %d of %d": the selected grid row (the 1-based line), 0 for an empty list.
std::string OrderCountText(const TTxtTable& orderLines, int selectedRow);

// Rows of the order grid: the header and one per line, never fewer than one blank.
int OrderGridRowCount(const TTxtTable& orderLines);

// Edit Part Number can set the wizard up from the line: not for an empty list, a
// pressure window, a step-twist or a part number that is not recognised.
bool CanEditPartNumber(const TTxtTable& orderLines, int line, TUserPrompts& prompts);

// The question asked before a line is deleted.
std::string DeleteLineQuestion(const TTxtTable& orderLines, int line);

// An order file holds the lines as the order list does, Windows-1252, any line ends.
// Blank lines are skipped. False, with the reason in errorText, when the file cannot
// be read or a line has fewer than kOrderLineFields fields (naming file and line).
constexpr int kOrderLineFields = 5;
bool ReadOrderFile(const std::string& fileName, TTxtTable& orderLines, std::string& errorText);
// Replaces the file whole (CR LF after every line); a failed write leaves the earlier
// file as it was and raises EFCreateError.
void WriteOrderFile(const TTxtTable& orderLines, const std::string& fileName);

inline constexpr const char* kClearOrderQuestion =
    "Doing this will clear you entire order. Continue?";

} // namespace cvn
