#include "orders/OrderExport.h"

#include "catalogue/Files.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"

#include <algorithm>
#include <string_view>

namespace cvn {

namespace {

enum class TAlign { Left, Right };

// printf's "%Ns" and "%-Ns": pads with blanks to the width, never cuts.
std::string Pad(const std::string& value, std::size_t width, TAlign align) {
    if (value.size() >= width) {
        return value;
    }
    const std::string blanks(width - value.size(), ' ');
    return align == TAlign::Right ? blanks + value : value + blanks;
}

std::string TextLine(const std::string& quantity, const std::string& price,
                     const std::string& delivery, const std::string& partNumber,
                     const std::string& description) {
    const std::string gap(4, ' ');
    return Pad(quantity, 10, TAlign::Right) + Pad(price, 20, TAlign::Right) + gap +
           Pad(delivery, 20, TAlign::Left) + gap + Pad(partNumber, 20, TAlign::Left) + gap +
           description;
}

// Bytes no XML document may hold: control characters other than tab and line ends,
// and the five bytes Windows-1252 leaves undefined, which no decoder can read.
bool IsUnwritableInXml(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x81 ||
           byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// Descriptions carry "&" and "<" as readily as "°": without escaping, parsers reject
// the document. A byte XML cannot hold becomes the replacement character U+FFFD, so one
// stray byte in a table does not make the whole order unreadable. Other bytes stay as
// they are; the declaration names their encoding.
std::string XmlEscape(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        if (IsUnwritableInXml(static_cast<unsigned char>(c))) {
            out += "&#xFFFD;";
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

std::string XmlElement(const char* name, const std::string& value) {
    return std::string(8, ' ') + "<" + name + ">" + XmlEscape(value) + "</" + name + ">";
}

std::string LowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return text;
}

// From the last "." of the file's own name on; empty when the name has none.
std::string ExtensionOf(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    const std::size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    return fileName.substr(dot);
}

// A spreadsheet runs a cell whose text starts with one of these (after blanks) as a
// formula: a handed-over order or a table row could make it fetch or run anything.
bool LooksLikeFormula(const std::string& cell) {
    const auto first = std::find_if(cell.begin(), cell.end(),
                                    [](char c) { return static_cast<unsigned char>(c) > 32; });
    return first != cell.end() && std::string_view("=+-@").find(*first) != std::string_view::npos;
}

// The leading apostrophe makes the spreadsheet show such a cell as the text it is.
std::string SheetLine(const TTxtTable& orderLines, int row) {
    TStrings cells;
    orderLines.SplitRow(row, cells);
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += '\t';
        }
        if (LooksLikeFormula(cells[i])) {
            line += '\'';
        }
        line += cells[i];
    }
    return line;
}

} // namespace

void SaveOrderAsSheet(const TTxtTable& orderLines, const std::string& fileName) {
    TStrings lines{"QUANTITY\tPRICE\tDELIVERY TIME\tPART NUMBER\tDESCRIPTION"};
    for (int row = 0; row < orderLines.RowCount(); ++row) {
        lines.push_back(SheetLine(orderLines, row));
    }
    WriteFileAtomic(fileName, JoinLinesCrLf(lines));
}

void SaveOrderAsText(const TTxtTable& orderLines, const std::string& fileName) {
    TStrings lines{TextLine("QUANTITY", "PRICE", "DELIVERY TIME", "PART NUMBER", "DESCRIPTION")};
    for (int row = 0; row < orderLines.RowCount(); ++row) {
        lines.push_back(TextLine(orderLines.GetField(row, OrderColumn::Quantity),
                                 orderLines.GetField(row, OrderColumn::Price),
                                 orderLines.GetField(row, OrderColumn::Delivery),
                                 orderLines.GetField(row, OrderColumn::PartNumber),
                                 orderLines.GetField(row, OrderColumn::Description)));
    }
    WriteFileAtomic(fileName, JoinLinesCrLf(lines));
}

void SaveOrderAsXml(const TTxtTable& orderLines, const std::string& fileName) {
    TStrings lines{"<?xml version=\"1.0\" encoding=\"windows-1252\"?>", "<order>"};
    for (int row = 0; row < orderLines.RowCount(); ++row) {
        lines.push_back("    <item>");
        lines.push_back(XmlElement("quantity", orderLines.GetField(row, OrderColumn::Quantity)));
        lines.push_back(XmlElement("price", orderLines.GetField(row, OrderColumn::Price)));
        lines.push_back(
            XmlElement("delivery_time", orderLines.GetField(row, OrderColumn::Delivery)));
        lines.push_back(
            XmlElement("part_number", orderLines.GetField(row, OrderColumn::PartNumber)));
        lines.push_back(
            XmlElement("description", orderLines.GetField(row, OrderColumn::Description)));
        lines.push_back("    </item>");
    }
    lines.push_back("</order>");
    WriteFileAtomic(fileName, JoinLinesCrLf(lines));
}

const std::vector<TOrderFormat>& OrderFormats() {
    static const std::vector<TOrderFormat> formats = {
        {"sheet", "Excel Sheet   (*.xls)", ".xls", SaveOrderAsSheet},
        {"text", "Text File   (*.txt)", ".txt", SaveOrderAsText},
        {"xml", "XML File   (*.xml)", ".xml", SaveOrderAsXml},
    };
    return formats;
}

int OrderFormatEntry(const std::string& name) {
    const std::vector<TOrderFormat>& formats = OrderFormats();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (name == formats[i].Name) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::string SaveOrderFilter() {
    std::string filter;
    for (const TOrderFormat& format : OrderFormats()) {
        if (!filter.empty()) {
            filter += '|';
        }
        filter.append(format.Filter).append("|*").append(format.Extension);
    }
    return filter;
}

namespace {

const TOrderFormat* FormatOfEntry(int entry) {
    const std::vector<TOrderFormat>& formats = OrderFormats();
    return entry >= 1 && entry <= static_cast<int>(formats.size())
               ? &formats[static_cast<std::size_t>(entry - 1)]
               : nullptr;
}

} // namespace

std::string SaveOrderFileName(const std::string& typedName, int format) {
    const TOrderFormat* chosen = FormatOfEntry(format);
    if (!chosen) {
        return typedName;
    }
    return LowerAscii(ExtensionOf(typedName)) == chosen->Extension ? typedName
                                                                   : typedName + chosen->Extension;
}

std::string SaveOrderAs(const TTxtTable& orderLines, const std::string& typedName, int format) {
    const TOrderFormat* chosen = FormatOfEntry(format);
    if (!chosen) {
        return {};
    }
    const std::string fileName = SaveOrderFileName(typedName, format);
    chosen->Write(orderLines, fileName);
    return fileName;
}

} // namespace cvn
