// Quoting a customer's list: the order command's steps for every line, on one order.

#include "entry/ListQuote.h"

#include "catalogue/Encoding.h"
#include "catalogue/FieldTable.h"
#include "catalogue/Files.h"
#include "catalogue/PartNumber.h"
#include "catalogue/RunHandler.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"
#include "catalogue/TxtTable.h"
#include "catalogue/cvnLib.h"
#include "entry/AddToOrder.h"
#include "entry/Conversion.h"
#include "entry/QuickBuilder.h"
#include "entry/SetupFromPartNumber.h"
#include "orders/OrderLines.h"
#include "orders/OrderTotal.h"
#include "wizard/Configurator.h"

namespace cvn {

namespace {

// Well-formed UTF-8 throughout (plain ASCII included).
bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t follow = 0;
        char32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
            code = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            code = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            code = c & 0x07u;
        } else {
            return false;
        }
        if (i + follow >= bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= follow; ++k) {
            const auto n = static_cast<unsigned char>(bytes[i + k]);
            if ((n & 0xC0u) != 0x80u) {
                return false;
            }
            code = (code << 6) | (n & 0x3Fu);
        }
        // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
        if ((follow == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (follow == 3 && (code < 0x10000 || code > 0x10FFFF))) {
            return false;
        }
        i += follow + 1;
    }
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A whole number, signed or not: the test that tells a header from a line.
bool IsWholeNumber(const std::string& text) {
    const std::size_t digits = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    return text.size() > digits &&
           text.find_first_not_of("0123456789", digits) == std::string::npos;
}

TListLine SplitListLine(int number, const std::string& text) {
    TListLine line;
    line.Line = number;
    std::size_t cut = text.find_first_of("\t,;");
    if (cut == std::string::npos) {
        const std::string trimmed = Trim(text);
        cut = 0;
        while (cut < trimmed.size() && !IsBlank(trimmed[cut])) {
            ++cut;
        }
        line.Quantity = trimmed.substr(0, cut);
        line.Part = Trim(std::string_view(trimmed).substr(cut));
        return line;
    }
    line.Quantity = Trim(std::string_view(text).substr(0, cut));
    line.Part = Trim(std::string_view(text).substr(cut + 1));
    return line;
}

// Restores the unit system that setting up from part numbers switches.
class TUnitsKept {
public:
    TUnitsKept() : Imperial(IsImperial) {}
    ~TUnitsKept() { IsImperial = Imperial; }
    TUnitsKept(const TUnitsKept&) = delete;
    TUnitsKept& operator=(const TUnitsKept&) = delete;

private:
    bool Imperial;
};

} // namespace

std::vector<TListLine> ParseQuoteList(std::string_view bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, bom.size()) == bom) {
        bytes.remove_prefix(bom.size());
    }
    const std::string text = IsUtf8(bytes) ? Utf8ToWin1252(bytes) : std::string(bytes);
    // Lines are counted as the file has them, whatever ends them.
    const TStrings lines = SplitLines(text);
    std::vector<TListLine> parsed;
    bool first = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (Trim(lines[i]).empty()) {
            continue;
        }
        TListLine line = SplitListLine(static_cast<int>(i) + 1, lines[i]);
        if (first && !IsWholeNumber(line.Quantity)) {
            first = false;
            continue;
        }
        first = false;
        parsed.push_back(std::move(line));
    }
    return parsed;
}

std::string QuoteStatusText(TQuoteStatus status) {
    switch (status) {
    case TQuoteStatus::Added:
        return "added";
    case TQuoteStatus::Replaced:
        return "replaced";
    case TQuoteStatus::Converted:
        return "converted";
    case TQuoteStatus::NotRecognised:
        return "not recognised";
    case TQuoteStatus::NotComposed:
        return "not composed";
    case TQuoteStatus::BadQuantity:
        return "bad quantity";
    }
    return {};
}

bool TQuoteResult::Added() const {
    return Status == TQuoteStatus::Added || Status == TQuoteStatus::Replaced ||
           Status == TQuoteStatus::Converted;
}

TQuoteResult QuoteListLine(TTxtTable& orderLines, const TListLine& line, TUserPrompts& prompts,
                           const TConfigurator& started) {
    TQuoteResult result;
    result.Line = line.Line;
    result.Quantity = line.Quantity;
    result.Part = NormalisePartNumber(line.Part);
    int quantity = 0;
    if (!ParseOrderQuantity(line.Quantity, quantity)) {
        result.Status = TQuoteStatus::BadQuantity;
        return result;
    }
    std::string part = result.Part;
    const auto conversion = LookupConversion(part, prompts);
    if (conversion) {
        part = NormalisePartNumber(conversion->NewPartNumber);
    }
    if (FamilyTypeOf(part, prompts) == FamilyType::Unknown) {
        result.Status = TQuoteStatus::NotRecognised;
        return result;
    }

    TConfigurator wizard(started);
    RunHandler(prompts, [&] { SetupFromPartNumber(wizard, part, prompts); });
    PressNextAndCreate(wizard, prompts);
    if (!HasComposedPart(wizard)) {
        result.Status = TQuoteStatus::NotComposed;
        return result;
    }
    const bool listed = FindOrderLine(orderLines, wizard.PartNumber) >= 0;
    const int added = AddComposedPart(orderLines, wizard, quantity, prompts);
    result.Status = conversion ? TQuoteStatus::Converted
                    : listed   ? TQuoteStatus::Replaced
                               : TQuoteStatus::Added;
    result.Quantity = orderLines.GetField(added, OrderColumn::Quantity);
    result.Part = orderLines.GetField(added, OrderColumn::PartNumber);
    result.Price = orderLines.GetField(added, OrderColumn::Price);
    result.Delivery = orderLines.GetField(added, OrderColumn::Delivery);
    return result;
}

std::vector<TQuoteResult> QuoteList(TTxtTable& orderLines, const std::vector<TListLine>& lines,
                                    TUserPrompts& prompts) {
    const TUnitsKept units;
    const TTableReadScope tables;
    // Started once: the program's tables are the same for every line of one event.
    TConfigurator started(prompts);
    started.FormCreate(AppPath);
    const bool imperial = IsImperial;
    std::vector<TQuoteResult> results;
    results.reserve(lines.size());
    for (const TListLine& line : lines) {
        // Each line's set-up switches units as its part number says; the next starts afresh.
        IsImperial = imperial;
        results.push_back(QuoteListLine(orderLines, line, prompts, started));
    }
    return results;
}

std::string QuoteReportLine(const TQuoteResult& r) {
    return std::to_string(r.Line) + "\t" + QuoteStatusText(r.Status) + "\t" + r.Quantity + "\t" +
           r.Part + "\t" + r.Price + "\t" + r.Delivery;
}

std::string QuoteTotalLine(const TOrderTotal& total) {
    return "total\t" + std::to_string(total.Lines) + " lines\t" + total.Sum.FormatMoney() + "\t" +
           ToQuoteText(total);
}

namespace {

std::string OneLine(const char* kind, std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return std::string(kind) + ": " + text;
}

} // namespace

void TRecordedPrompts::Information(const std::string& text) {
    Messages.push_back(OneLine("information", text));
}

void TRecordedPrompts::Error(const std::string& text) {
    Messages.push_back(OneLine("error", text));
}

bool TRecordedPrompts::YesNo(const std::string& text) {
    Messages.push_back(OneLine("confirm", text));
    return true;
}

TDialogResult TRecordedPrompts::ConfirmTapered(const std::string& message) {
    Messages.push_back(OneLine("confirm", message));
    return TDialogResult::Continue;
}

TDialogResult TRecordedPrompts::ConfirmSwap(const std::string& line1, const std::string& line2) {
    Messages.push_back(OneLine("confirm", line1 + " " + line2));
    return TDialogResult::Continue;
}

bool QuoteListFile(TTxtTable& orderLines, const std::string& listFile, TUserPrompts& prompts,
                   std::string& report) {
    std::string bytes;
    std::string errorText;
    if (!ReadWholeFile(listFile, bytes, errorText)) {
        prompts.Error(LoadErrorMessage(listFile, errorText));
        return false;
    }
    // Quoted on a copy, so that a total beyond what money holds leaves the order as it was.
    TTxtTable quoted = orderLines;
    TRecordedPrompts recorded;
    const std::vector<TQuoteResult> results = QuoteList(quoted, ParseQuoteList(bytes), recorded);
    const TOrderTotal total = OrderTotal(quoted);
    orderLines = std::move(quoted);
    report.clear();
    for (const TQuoteResult& result : results) {
        report += QuoteReportLine(result) + "\r\n";
    }
    report += QuoteTotalLine(total) + "\r\n";
    for (const std::string& message : recorded.Messages) {
        report += message + "\r\n";
    }
    return true;
}

} // namespace cvn
