#pragma once

#include "catalogue/TxtTable.h"
#include "printing/Specs.h"

#include <functional>

class QPrinter;
class QWidget;

namespace cvn {

// The platform print dialog: the system's printers and printing to a PDF file. True
// when the user pressed Print; the printer is then set up as chosen.
using TPrintDialog = std::function<bool(QPrinter& printer)>;
TPrintDialog SystemPrintDialog(QWidget* parent);

// The order on the printer as the job "Corvane Order", as many pages as it takes.
void PrintOrderJob(QPrinter& printer, const TTxtTable& orderLines);
// The spec sheet on the printer as the job "Corvane Specs".
void PrintSpecsJob(QPrinter& printer, const TSpecs& specs, const TTxtTable& specRows);

// The order window's Print: the dialog, then on OK the order print job. Errors of the
// printer are raised to the caller's error handler.
void PrintOrderWithDialog(const TPrintDialog& printDialog, const TTxtTable& orderLines);

} // namespace cvn
