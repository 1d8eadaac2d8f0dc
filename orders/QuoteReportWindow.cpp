#include "orders/QuoteReportWindow.h"

#include "controls/CoreText.h"
#include "controls/Place.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>

namespace cvn {

TfrmQuoteReport::TfrmQuoteReport(const std::string& report, QWidget* parent)
    : TForm(QStringLiteral("Add from List"), ClientWidth, ClientHeight, parent) {
    setObjectName(QStringLiteral("frmQuoteReport"));
    memReport = Place<QPlainTextEdit>(this, "memReport", 8, 8, 584, 311);
    memReport->setReadOnly(true);
    memReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Fixed-pitch, so that the tab-separated columns line up.
    memReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memReport->setTabStopDistance(memReport->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    QString text = QStr(report);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memReport->setPlainText(text);
    btnClose = PlaceButton(this, "btnClose", QStringLiteral("&Close"), 517, 327);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace cvn
