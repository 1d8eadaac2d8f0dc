#pragma once

#include "catalogue/TxtTable.h"
#include "printing/CVPrint.h"
#include "printing/Specs.h"

#include <string>

namespace cvn {

struct TOrderTotal;

// The two printed documents, laid out on a page 850 layout units wide (1100 tall on
// letter paper) and drawn through printer, which must have its surface and scales
// set. Fonts, pen and style carry from one step to the next on the surface.

// Logo, title, the two rules and the footer: company, web address, page text.
void DrawPageFrame(TCVPrint& printer, const std::string& title, const std::string& pageText);
// The logo stretched over box. Raises std::runtime_error when it cannot be loaded.
void DrawLogo(TCVPrint& printer, const TRect& box);
// A picture of the Images folder stretched over box; "Image not available" at the
// box's corner, in the current font, when it cannot be loaded or drawn.
void DrawPicture(TCVPrint& printer, const std::string& fileName, const TRect& box);
void DrawSpecHeader(TCVPrint& printer, const std::string& title, const std::string& partNumber);
void DrawOrderHeader(TCVPrint& printer, const std::string& title, const std::string& pageText);

// The one-page spec sheet; any number of rows, never a page break.
void PrintSpecs(TCVPrint& printer, const TSpecs& specs, const TTxtTable& specRows);

// The order, ten lines a page, ending with its total after the last line; a new page
// is asked of the surface only when pageCount is not 0 (0 is the counting pass).
// Returns the number of pages drawn.
int PrintOrder(TCVPrint& printer, const TTxtTable& orderLines, int pageCount);
// The order's total as one line whose top is top, in the current font.
void PrintOrderTotal(TCVPrint& printer, int top, const TOrderTotal& total);
// One order line in its five boxes, each clipped 75 units below top; returns the
// boxes' bottom.
int PrintOrderLine(TCVPrint& printer, int top, const std::string& orderLine);

// The picture format a file name's extension registers: "BMP", "ICO", "WMF", "EMF"
// or "GIF", ignoring case; empty for any other extension.
std::string PictureFormatOf(const std::string& fileName);

// The pages the order takes at the given scale: a counting pass on a surface that
// draws nothing.
int CountOrderPages(const TTxtTable& orderLines, double scaleX, double scaleY);

} // namespace cvn
