#pragma once

#include <string>
#include <vector>

namespace cvn {

class TTxtTable;

// The three Save As formats of an order. Each takes the order lines ("|"-separated:
// quantity, price, delivery, part number, description) and replaces the named file
// whole with Windows-1252 text, CR LF after every line. A file that cannot be written
// raises EFCreateError ("Cannot create file ...") and leaves any earlier file as it was.

// Tab-separated text under the spreadsheet extension; values as the order holds them,
// except that a value starting with "=", "+", "-" or "@" (after blanks) gets a leading
// "'" so that the spreadsheet shows it as text instead of running it as a formula.
void SaveOrderAsSheet(const TTxtTable& orderLines, const std::string& fileName);

// Fixed-width report; a value wider than its column pushes the rest of the line right.
void SaveOrderAsText(const TTxtTable& orderLines, const std::string& fileName);

// XML document declared as windows-1252, with "&", "<" and ">" in values escaped; a
// control byte other than tab, or a byte Windows-1252 leaves undefined, is written as
// the replacement character "&#xFFFD;" so that the document stays well-formed.
void SaveOrderAsXml(const TTxtTable& orderLines, const std::string& fileName);

// One format of Save As; the command line's export knows it by Name.
struct TOrderFormat {
    const char* Name;      // "sheet", "text", "xml"
    const char* Filter;    // the entry's text in the Save As list
    const char* Extension; // with its dot, lower case
    void (*Write)(const TTxtTable& orderLines, const std::string& fileName);
};

// The Save As formats in the order of the dialog's list: entry 1 is the first.
const std::vector<TOrderFormat>& OrderFormats();
// The 1-based entry of the format called name, or 0.
int OrderFormatEntry(const std::string& name);
// The filter list of the Save As dialog: "Text|*.ext|..." for every format in order.
std::string SaveOrderFilter();

// The name the chosen format is written under: the name as typed when its own
// extension already is the format's (ignoring case), otherwise the name with the
// format's extension added ("order.txt" as a sheet becomes "order.txt.xls"). A format
// entry outside the list leaves the name as it is.
std::string SaveOrderFileName(const std::string& typedName, int format);

// Writes the order in the chosen format under SaveOrderFileName and returns that name;
// writes nothing and returns the empty text for an entry outside the list.
std::string SaveOrderAs(const TTxtTable& orderLines, const std::string& typedName, int format);

} // namespace cvn
