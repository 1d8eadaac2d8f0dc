#pragma once

#include "catalogue/TxtTable.h"
#include "printing/Specs.h"

#include <QImage>

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace cvn {

// The printouts on a paged device, a printer or a PDF writer, scaled so that 850
// layout units fill its printable width. The painter's begin starts the job and its
// end finishes it; raises std::runtime_error when the device refuses to start.
void PrintSpecsPages(QPagedPaintDevice& device, const TSpecs& specs, const TTxtTable& specRows);
// Returns the number of pages printed.
int PrintOrderPages(QPagedPaintDevice& device, const TTxtTable& orderLines);

// The printouts as letter-size PDF files, one unit 1/100 inch. The file is replaced
// whole or not at all; raises EFCreateError when it cannot be written.
void WriteSpecsPdf(const std::string& fileName, const TSpecs& specs, const TTxtTable& specRows);
void WriteOrderPdf(const std::string& fileName, const TTxtTable& orderLines);

// The spec sheet on white paper width x height pixels, for the preview.
QImage RenderSpecsImage(int width, int height, const TSpecs& specs, const TTxtTable& specRows);
// The order's pages on white paper width x height pixels each.
std::vector<QImage> RenderOrderImages(int width, int height, const TTxtTable& orderLines);

} // namespace cvn
