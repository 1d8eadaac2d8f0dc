#pragma once

#include "catalogue/UserPrompts.h"

#include <string>
#include <string_view>
#include <vector>

namespace cvn {

class TConfigurator;
class TTxtTable;
class TUserPrompts;
struct TOrderTotal;

// One line of a customer's list: where it stands in the file (from 1) and its two
// fields, trimmed, in Windows-1252.
struct TListLine {
    int Line = 0;
    std::string Quantity;
    std::string Part;
};

// The lines of a list file's bytes (Windows-1252 or UTF-8, any line ends, a UTF-8
// byte-order mark ignored). Each line is split at its first tab, comma or semicolon,
// or else at its first run of blanks. Blank lines are skipped, and so is the first
// non-blank line when its first field is not a whole number (a header).
std::vector<TListLine> ParseQuoteList(std::string_view bytes);

enum class TQuoteStatus { Added, Replaced, Converted, NotRecognised, NotComposed, BadQuantity };

// "added", "replaced", "converted", "not recognised", "not composed", "bad quantity".
std::string QuoteStatusText(TQuoteStatus status);

// What became of one list line. Part is the order line's part number, or for a line
// that was not added the list's part number trimmed and upper-cased; Price and
// Delivery are the order line's, empty for a line that was not added.
struct TQuoteResult {
    int Line = 0;
    TQuoteStatus Status = TQuoteStatus::NotComposed;
    std::string Quantity;
    std::string Part;
    std::string Price;
    std::string Delivery;

    bool Added() const;
};

// Adds one list line to the order as the order command does with a part number and a
// quantity: an old part number that Conversion.tbl knows is replaced by its new one
// first, then a copy of started (a wizard just started, as the program starts it) is
// set up from it, Next and Create are pressed (confirmations answered by prompts) and
// the composed part is added at the quantity. A price table that holds text where a
// number belongs raises EConvertError.
TQuoteResult QuoteListLine(TTxtTable& orderLines, const TListLine& line, TUserPrompts& prompts,
                           const TConfigurator& started);

// Every line in turn, as one event: each table is read once for the whole list, and
// each line starts from the wizard as the program starts it, in the unit system of its
// settings. The unit system is left as it was.
std::vector<TQuoteResult> QuoteList(TTxtTable& orderLines, const std::vector<TListLine>& lines,
                                    TUserPrompts& prompts);

// The report, one line each, fields separated by a tab:
// "LINE STATUS QTY PART PRICE DELIVERY" and "total N lines $SUM M lines to quote".
std::string QuoteReportLine(const TQuoteResult& result);
std::string QuoteTotalLine(const TOrderTotal& total);

// What the lines of a list say while they are quoted, kept for the report instead of
// shown one by one: "information: TEXT", "error: TEXT" or "confirm: TEXT", each
// carriage return inside TEXT written as a blank. Confirmations are answered
// Continue (Yes).
class TRecordedPrompts : public TUserPrompts {
public:
    std::vector<std::string> Messages;

    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    bool YesNo(const std::string& text) override;
    TDialogResult ConfirmTapered(const std::string& message) override;
    TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) override;
};

// Add from List: the list file quoted onto the order. report gets the report lines,
// the total line and then the messages the lines gave, each line ended by CR LF.
// False, with the load error told through prompts, when the file cannot be read; the
// order is then untouched.
bool QuoteListFile(TTxtTable& orderLines, const std::string& listFile, TUserPrompts& prompts,
                   std::string& report);

} // namespace cvn
