#include "printing/Printouts.h"

#include "catalogue/Files.h"
#include "catalogue/TableColumns.h"
#include "catalogue/TextUtils.h"
#include "catalogue/Vendor.h"
#include "catalogue/cvnLib.h"
#include "orders/OrderTotal.h"
#include "printing/NullSurface.h"

#include <stdexcept>

namespace cvn {

namespace {

constexpr const char* NotAvailable = "Image not available";

void SetFont(TCVPrint& printer, const char* name, int height, bool bold, bool underline) {
    printer.Canvas->SetFontName(name);
    printer.Canvas->SetFontHeight(printer.ToDeviceY(height));
    printer.Canvas->SetFontStyle(bold, underline);
}

std::string PageText(int page, int pageCount) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

} // namespace

void DrawPageFrame(TCVPrint& printer, const std::string& title, const std::string& pageText) {
    DrawLogo(printer, {625, 20, 625 + 175, 20 + 70});
    printer.Canvas->SetPenWidth(printer.ToDeviceX(2));
    printer.Canvas->SetFontName("Times New Roman");
    printer.Canvas->SetFontHeight(printer.ToDeviceY(50));
    printer.TextOutLeft(50, 30, title);
    printer.DrawLine(50, 100, 800, 100);
    printer.DrawLine(50, 1050, 800, 1050);
    printer.Canvas->SetFontHeight(printer.ToDeviceY(14));
    printer.Canvas->SetFontStyle(true, false);
    printer.TextOutLeft(50, 1060, "Brenmoor Corporation");
    printer.TextOutCenter(425, 1060, VendorWebAddress());
    printer.TextOutRight(800, 1060, pageText);
    printer.Canvas->SetFontStyle(false, false);
}

void DrawLogo(TCVPrint& printer, const TRect& box) {
    TBitmap logo;
    if (!printer.Canvas->LoadLogo(logo)) {
        throw std::runtime_error("Resource FLASH not found");
    }
    printer.DrawBitmap(box, logo);
}

void DrawPicture(TCVPrint& printer, const std::string& fileName, const TRect& box) {
    bool drawn = false;
    try {
        TBitmap picture;
        drawn = !PictureFormatOf(fileName).empty() &&
                printer.Canvas->LoadPicture(ResolvePath(ImagesPath + fileName), picture) &&
                printer.DrawBitmap(box, picture);
    } catch (const std::exception&) {
        drawn = false;
    }
    if (!drawn) {
        printer.TextOutLeft(box.Left, box.Top, NotAvailable);
    }
}

void DrawSpecHeader(TCVPrint& printer, const std::string& title, const std::string& partNumber) {
    DrawPageFrame(printer, title, "Page 1 of 1");
    SetFont(printer, "Arial", 20, true, false);
    printer.TextOutCenter(425, 175, "Part Number: " + partNumber);
    printer.Canvas->SetFontStyle(false, false);
}

void PrintSpecs(TCVPrint& printer, const TSpecs& specs, const TTxtTable& specRows) {
    DrawSpecHeader(printer, "Corvane Specifications", specs.PartNumber);
    const std::pair<const std::string&, TRect> pictures[] = {
        {specs.FlangeAImage, {50, 300, 250, 430}},
        {specs.FamilyImage, {250, 250, 600, 495}},
        {specs.FlangeBImage, {600, 300, 800, 430}},
    };
    for (const auto& [name, box] : pictures) {
        if (!name.empty()) {
            DrawPicture(printer, name, box);
        }
    }
    SetFont(printer, "Arial", 20, true, true);
    printer.TextOutAligned(150, 645, "Description", 0, 2);
    printer.Canvas->SetFontStyle(false, false);
    printer.Canvas->SetFontHeight(printer.ToDeviceY(16));
    for (int i = 0; i < specRows.RowCount(); ++i) {
        printer.TextOutLeft(150, 650 + 18 * i, specRows.GetField(i, SpecRowColumn::Label));
        printer.TextOutLeft(300, 650 + 18 * i, specRows.GetField(i, SpecRowColumn::Value));
    }
}

void DrawOrderHeader(TCVPrint& printer, const std::string& title, const std::string& pageText) {
    DrawPageFrame(printer, title, pageText);
    SetFont(printer, "Arial", 16, true, false);
    printer.TextOutAligned(110, 165, "Quantity", 2, 2);
    printer.TextOutAligned(225, 165, "Price", 2, 2);
    printer.TextOutAligned(250, 165, "Delivery Time", 0, 2);
    printer.TextOutAligned(375, 165, "Part Number", 0, 2);
    printer.TextOutAligned(660, 165, "Description", 1, 2);
    printer.Canvas->SetFontStyle(false, false);
}

int PrintOrder(TCVPrint& printer, const TTxtTable& orderLines, int pageCount) {
    int page = 1;
    DrawOrderHeader(printer, "Corvane Order", PageText(page, pageCount));
    printer.Canvas->SetFontHeight(printer.ToDeviceY(15));
    printer.Canvas->SetFontName("Arial");
    int y = 175;
    const int n = orderLines.RowCount();
    for (int i = 0; i < n; ++i) {
        y = PrintOrderLine(printer, y, orderLines.Lines[static_cast<std::size_t>(i)]) + 10;
        if (y > 950 && i != n - 1) {
            if (pageCount != 0) {
                printer.Canvas->NewPage();
            }
            ++page;
            DrawOrderHeader(printer, "Corvane Order", PageText(page, pageCount));
            // Later pages print their lines one unit taller than the first.
            printer.Canvas->SetFontHeight(printer.ToDeviceY(16));
            printer.Canvas->SetFontName("Arial");
            y = 175;
        }
    }
    PrintOrderTotal(printer, y, OrderTotal(orderLines));
    return page;
}

void PrintOrderTotal(TCVPrint& printer, int top, const TOrderTotal& total) {
    // One line in the font of the page's lines: the sum under the prices, what is left
    // to quote under the delivery times. Ten lines leave room for it above the footer.
    const int bottom = top + 20;
    using namespace DrawTextFlags;
    printer.DrawTextBox({50, top, 225, bottom}, TotalText(total), Right | SingleLine);
    if (total.ToQuote > 0) {
        printer.DrawTextBox({250, top, 525, bottom}, ToQuoteText(total), Left | SingleLine);
    }
}

int PrintOrderLine(TCVPrint& printer, int top, const std::string& orderLine) {
    TTxtTable line;
    line.Lines.push_back(orderLine);
    const int bottom = top + 75;
    using namespace DrawTextFlags;
    const struct {
        int Left;
        int Right;
        unsigned Flags;
    } boxes[] = {
        {50, 110, Right | WordBreak}, {110, 225, Right | WordBreak}, {250, 350, WordBreak},
        {375, 525, WordBreak},        {525, 800, WordBreak},
    };
    for (int field = OrderColumn::Quantity; field <= OrderColumn::Description; ++field) {
        const auto& box = boxes[field - OrderColumn::Quantity];
        printer.DrawTextBox({box.Left, top, box.Right, bottom}, line.GetField(0, field), box.Flags);
    }
    return bottom;
}

std::string PictureFormatOf(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    const auto slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    const std::string extension = UpperCase(fileName.substr(dot + 1));
    for (const char* format : {"BMP", "ICO", "WMF", "EMF", "GIF"}) {
        if (extension == format) {
            return format;
        }
    }
    return {};
}

int CountOrderPages(const TTxtTable& orderLines, double scaleX, double scaleY) {
    TNullSurface scratch;
    TCVPrint counter;
    counter.SetCanvas(scratch);
    counter.ScaleX = scaleX;
    counter.ScaleY = scaleY;
    return PrintOrder(counter, orderLines, 0);
}

} // namespace cvn
