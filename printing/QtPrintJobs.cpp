#include "printing/QtPrintJobs.h"

#include "printing/QtPrintPages.h"

#include <QPrintDialog>
#include <QPrinter>

namespace cvn {

TPrintDialog SystemPrintDialog(QWidget* parent) {
    return [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
}

void PrintOrderJob(QPrinter& printer, const TTxtTable& orderLines) {
    printer.setDocName(QStringLiteral("Corvane Order"));
    PrintOrderPages(printer, orderLines);
}

void PrintSpecsJob(QPrinter& printer, const TSpecs& specs, const TTxtTable& specRows) {
    printer.setDocName(QStringLiteral("Corvane Specs"));
    PrintSpecsPages(printer, specs, specRows);
}

void PrintOrderWithDialog(const TPrintDialog& printDialog, const TTxtTable& orderLines) {
    QPrinter printer(QPrinter::HighResolution);
    if (printDialog(printer)) {
        PrintOrderJob(printer, orderLines);
    }
}

} // namespace cvn
