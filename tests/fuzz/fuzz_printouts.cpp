// The printouts over any order list and any spec rows, on a surface that only records
// what it is asked to draw: the counting pass and the printed pass agree on the pages,
// every field of every line gets its box, and the spec sheet stays on one page with
// each row's label and value.
#include "catalogue/Errors.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TxtTable.h"
#include "orders/OrderTotal.h"
#include "printing/CVPrint.h"
#include "printing/Printouts.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/RecordingSurface.h"

#include <algorithm>
#include <optional>

using namespace cvn;

namespace {

// Records what is drawn; measures, drawn text heights and pictures are what the fuzzer
// likes: alignment must not depend on them being sensible.
class TFuzzedSurface : public test::TRecordingSurface {
public:
    explicit TFuzzedSurface(FuzzedDataProvider& data) : Data(data) {}

    int PicturesAsked = 0;

    int TextWidth(const std::string&) override { return Data.ConsumeIntegralInRange(0, 5000); }
    int TextHeight(const std::string&) override { return Data.ConsumeIntegralInRange(0, 20); }
    int DrawText(const TRect& rect, const std::string& text, unsigned flags) override {
        fuzz::FailIf(rect.Right < rect.Left || rect.Bottom < rect.Top,
                     "a text box turned inside out");
        TRecordingSurface::DrawText(rect, text, flags);
        return Data.ConsumeIntegralInRange(0, 500);
    }
    bool StretchBitmap(const TRect&, const TBitmap&) override { return Data.ConsumeBool(); }
    bool LoadPicture(const std::string&, TBitmap& bitmap) override {
        ++PicturesAsked;
        bitmap = TBitmap();
        return Data.ConsumeBool();
    }
    bool LoadLogo(TBitmap& bitmap) override {
        bitmap = TBitmap();
        return true;
    }
    int Count(TKind kind) const { return static_cast<int>(CallsOf(kind).size()); }

private:
    FuzzedDataProvider& Data;
};

TTxtTable Lines(FuzzedDataProvider& input, std::size_t most) {
    TTxtTable table;
    table.Lines.resize(input.ConsumeIntegralInRange<std::size_t>(0, most));
    for (auto& line : table.Lines) {
        line = input.ConsumeRandomLengthString(120);
    }
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ProgramFolder();
    FuzzedDataProvider input(data, size);
    const double scaleX = input.ConsumeIntegralInRange(10, 1000) / 100.0;
    const double scaleY = input.ConsumeIntegralInRange(10, 1000) / 100.0;
    const TTxtTable orderLines = Lines(input, 60);
    const TTxtTable specRows = Lines(input, 80);
    TSpecs specs;
    specs.PartNumber = input.ConsumeRandomLengthString(40);
    specs.FlangeAImage = input.ConsumeRandomLengthString(30);
    specs.FamilyImage = input.ConsumeRandomLengthString(30);
    specs.FlangeBImage = input.ConsumeRandomLengthString(30);

    const int n = orderLines.RowCount();
    // Prices beyond what money holds: the printout refuses them, as pricing does.
    std::optional<TOrderTotal> total;
    int counted = 1;
    try {
        total = OrderTotal(orderLines);
    } catch (const EConvertError&) {
    }
    try {
        counted = CountOrderPages(orderLines, scaleX, scaleY);
        fuzz::FailIf(!total, "an order whose total overflows was printed");
    } catch (const EConvertError&) {
        fuzz::FailIf(total.has_value(), "an order whose total fits was refused");
    }
    TFuzzedSurface order(input);
    TCVPrint printer;
    printer.SetCanvas(order);
    printer.ScaleX = scaleX;
    printer.ScaleY = scaleY;
    if (total) {
        fuzz::FailIf(PrintOrder(printer, orderLines, counted) != counted ||
                         order.Count(TFuzzedSurface::TKind::NewPage) + 1 != counted,
                     "the printed order and its count disagree on the pages");
        // Each line's boxes, then the total and, when some are left, the lines to quote.
        const int fields = OrderColumn::Description - OrderColumn::Quantity + 1;
        fuzz::FailIf(order.Count(TFuzzedSurface::TKind::TextBox) !=
                         fields * n + 1 + (total->ToQuote > 0 ? 1 : 0),
                     "an order line lost one of its boxes");
    }

    TFuzzedSurface sheet(input);
    printer.SetCanvas(sheet);
    PrintSpecs(printer, specs, specRows);
    fuzz::FailIf(sheet.Count(TFuzzedSurface::TKind::NewPage) != 0 ||
                     sheet.Count(TFuzzedSurface::TKind::TextBox) != 0,
                 "the spec sheet broke its page");
    // Frame: title, company, web address, page text; header: part number and
    // "Description"; then label and value of each row, and at most a note per picture
    // named, which alone may be looked for.
    int named = 0;
    for (const std::string* name : {&specs.FlangeAImage, &specs.FamilyImage, &specs.FlangeBImage}) {
        named += name->empty() ? 0 : 1;
    }
    const int notes = sheet.Count(TFuzzedSurface::TKind::Text) - (4 + 2 + 2 * specRows.RowCount());
    const auto drawnNotes = static_cast<int>(sheet.TextsOf("Image not available").size());
    fuzz::FailIf(notes < 0 || notes > std::min(named, drawnNotes) || sheet.PicturesAsked > named,
                 "a spec row was not printed in full, or a picture without a name looked for");
    return 0;
}
