// The printouts over any order list and any spec rows, on a surface that only records
// what it is asked to draw: the counting pass and the printed pass agree on the pages,
// the order takes ten lines a page, every field of every line gets its box, and the
// spec sheet stays on one page with each row's label and value.
#include "catalogue/Errors.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TxtTable.h"
#include "orders/OrderTotal.h"
#include "printing/CVPrint.h"
#include "printing/Printouts.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace cvn;

namespace {

class TRecordingSurface : public TDrawingSurface {
public:
    explicit TRecordingSurface(FuzzedDataProvider& data) : Data(data) {}

    int Pages = 1;
    int TextOuts = 0;
    int TextBoxes = 0;
    int NotAvailable = 0;
    int PicturesAsked = 0;

    void SetFontName(const std::string&) override {}
    void SetFontHeight(int) override {}
    void SetFontStyle(bool, bool) override {}
    void SetPenWidth(int) override {}
    // Where a missing picture's note goes: the corner of its box. Rows, part number
    // and "Description" may say the same words but never sit there.
    std::vector<std::pair<int, int>> NoteCorners;

    void TextOut(int x, int y, const std::string& text) override {
        ++TextOuts;
        const std::pair<int, int> at{x, y};
        if (text == "Image not available" &&
            std::find(NoteCorners.begin(), NoteCorners.end(), at) != NoteCorners.end()) {
            ++NotAvailable;
        }
    }
    // Any measure the fuzzer likes: alignment must not depend on it being sensible.
    int TextWidth(const std::string&) override { return Data.ConsumeIntegralInRange(0, 5000); }
    int TextHeight(const std::string&) override { return Data.ConsumeIntegralInRange(0, 20); }
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    int DrawText(const TRect& rect, const std::string&, unsigned) override {
        ++TextBoxes;
        if (rect.Right < rect.Left || rect.Bottom < rect.Top) {
            fuzz::Fail("a text box turned inside out");
        }
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
    void NewPage() override { ++Pages; }

private:
    FuzzedDataProvider& Data;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ProgramFolder();
    FuzzedDataProvider input(data, size);
    const double scaleX = input.ConsumeIntegralInRange(10, 1000) / 100.0;
    const double scaleY = input.ConsumeIntegralInRange(10, 1000) / 100.0;
    TTxtTable orderLines;
    orderLines.Lines.resize(input.ConsumeIntegralInRange<std::size_t>(0, 60));
    for (auto& line : orderLines.Lines) {
        line = input.ConsumeRandomLengthString(120);
    }
    TTxtTable specRows;
    specRows.Lines.resize(input.ConsumeIntegralInRange<std::size_t>(0, 80));
    for (auto& row : specRows.Lines) {
        row = input.ConsumeRandomLengthString(120);
    }
    TSpecs specs;
    specs.PartNumber = input.ConsumeRandomLengthString(40);
    specs.FlangeAImage = input.ConsumeRandomLengthString(30);
    specs.FamilyImage = input.ConsumeRandomLengthString(30);
    specs.FlangeBImage = input.ConsumeRandomLengthString(30);

    const int n = orderLines.RowCount();
    std::optional<TOrderTotal> total;
    try {
        total = OrderTotal(orderLines);
    } catch (const EConvertError&) {
        // Prices beyond what money holds: the printout refuses them, as pricing does.
        bool refused = false;
        try {
            CountOrderPages(orderLines, scaleX, scaleY);
        } catch (const EConvertError&) {
            refused = true;
        }
        if (!refused) {
            fuzz::Fail("an order whose total overflows was printed");
        }
    }
    const int counted = total ? CountOrderPages(orderLines, scaleX, scaleY) : 1;
    if (counted != (n == 0 ? 1 : (n + 9) / 10)) {
        fuzz::Fail("the order does not take ten lines a page");
    }
    TRecordingSurface order(input);
    TCVPrint printer;
    printer.SetCanvas(order);
    printer.ScaleX = scaleX;
    printer.ScaleY = scaleY;
    if (total) {
        if (PrintOrder(printer, orderLines, counted) != counted || order.Pages != counted) {
            fuzz::Fail("the printed order and its count disagree on the pages");
        }
        // Each line's boxes, then the total and, when some are left, the lines to quote.
        const int fields = OrderColumn::Description - OrderColumn::Quantity + 1;
        if (order.TextBoxes != fields * n + 1 + (total->ToQuote > 0 ? 1 : 0)) {
            fuzz::Fail("an order line lost one of its boxes");
        }
    }

    TRecordingSurface sheet(input);
    printer.SetCanvas(sheet);
    for (const auto& [x, y] : {std::pair{50, 300}, {250, 250}, {600, 300}}) {
        sheet.NoteCorners.emplace_back(printer.ToDeviceX(x), printer.ToDeviceY(y));
    }
    PrintSpecs(printer, specs, specRows);
    if (sheet.Pages != 1 || sheet.TextBoxes != 0) {
        fuzz::Fail("the spec sheet broke its page");
    }
    int named = 0;
    for (const std::string* name : {&specs.FlangeAImage, &specs.FamilyImage, &specs.FlangeBImage}) {
        named += name->empty() ? 0 : 1;
    }
    if (sheet.NotAvailable > named || sheet.PicturesAsked > named) {
        fuzz::Fail("a picture without a name was looked for");
    }
    // Frame: title, company, web address, page text; header: part number and
    // "Description"; then label and value of each row, and a note per missing picture.
    const int expected = 4 + 2 + 2 * specRows.RowCount() + sheet.NotAvailable;
    if (sheet.TextOuts != expected) {
        fuzz::Fail("a spec row was not printed in full");
    }
    return 0;
}
