#include "printing/QtPrintPages.h"

#include "catalogue/Files.h"
#include "printing/CVPrint.h"
#include "printing/Printouts.h"
#include "printing/QtSurface.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <functional>
#include <stdexcept>

namespace cvn {

namespace {

// Layout units across the printable width.
constexpr double PageUnits = 850.0;
// A PDF page is 8.5 inches wide: 5100 pixels at this resolution, six per unit.
constexpr int PdfResolution = 600;

void OnDevice(QPagedPaintDevice& device, const std::function<void(TCVPrint&)>& draw) {
    QPainter painter;
    if (!painter.begin(&device)) {
        throw std::runtime_error("Printer is not currently printing");
    }
    TQtSurface surface(painter, [&device] { device.newPage(); });
    TCVPrint printer;
    printer.SetCanvas(surface);
    printer.ScaleX = device.width() / PageUnits;
    printer.ScaleY = printer.ScaleX;
    draw(printer);
    painter.end();
}

void WritePdf(const std::string& fileName, const QString& title,
              const std::function<void(QPagedPaintDevice&)>& print) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(PdfResolution);
        writer.setCreator(QStringLiteral("Corvane 38"));
        writer.setTitle(title);
        print(writer);
    }
    const QByteArray& data = bytes.data();
    WriteFileAtomic(fileName,
                    std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
}

} // namespace

void PrintSpecsPages(QPagedPaintDevice& device, const TSpecs& specs, const TTxtTable& specRows) {
    OnDevice(device, [&](TCVPrint& printer) { PrintSpecs(printer, specs, specRows); });
}

int PrintOrderPages(QPagedPaintDevice& device, const TTxtTable& orderLines) {
    int pages = 0;
    OnDevice(device, [&](TCVPrint& printer) {
        const int pageCount = CountOrderPages(orderLines, printer.ScaleX, printer.ScaleY);
        pages = PrintOrder(printer, orderLines, pageCount);
    });
    return pages;
}

void WriteSpecsPdf(const std::string& fileName, const TSpecs& specs, const TTxtTable& specRows) {
    WritePdf(fileName, QStringLiteral("Corvane Specs"),
             [&](QPagedPaintDevice& device) { PrintSpecsPages(device, specs, specRows); });
}

void WriteOrderPdf(const std::string& fileName, const TTxtTable& orderLines) {
    WritePdf(fileName, QStringLiteral("Corvane Order"),
             [&](QPagedPaintDevice& device) { PrintOrderPages(device, orderLines); });
}

namespace {

QImage BlankPage(int width, int height) {
    QImage page(width < 1 ? 1 : width, height < 1 ? 1 : height, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

} // namespace

std::vector<QImage> RenderOrderImages(int width, int height, const TTxtTable& orderLines) {
    std::vector<QImage> pages{BlankPage(width, height)};
    QPainter painter(&pages.back());
    TQtSurface surface(painter, [&] {
        painter.end();
        pages.push_back(BlankPage(width, height));
        painter.begin(&pages.back());
    });
    TCVPrint printer;
    printer.SetCanvas(surface);
    printer.ScaleX = width / PageUnits;
    printer.ScaleY = printer.ScaleX;
    PrintOrder(printer, orderLines, CountOrderPages(orderLines, printer.ScaleX, printer.ScaleY));
    painter.end();
    return pages;
}

QImage RenderSpecsImage(int width, int height, const TSpecs& specs, const TTxtTable& specRows) {
    QImage page = BlankPage(width, height);
    QPainter painter(&page);
    TQtSurface surface(painter);
    TCVPrint printer;
    printer.SetCanvas(surface);
    printer.ScaleX = width / PageUnits;
    printer.ScaleY = printer.ScaleX;
    PrintSpecs(printer, specs, specRows);
    painter.end();
    return page;
}

} // namespace cvn
