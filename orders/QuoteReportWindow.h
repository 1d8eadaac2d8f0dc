#pragma once

#include "controls/Form.h"

#include <string>

class QPlainTextEdit;
class QPushButton;

namespace cvn {

// The file types Add from List offers.
inline constexpr const char* QuoteListFilter = "Lists (*.txt, *.csv)|*.txt *.csv *.tsv|All files|*";

// What Add from List did with each line of the list, read-only, with the order's
// total and the messages the lines gave.
class TfrmQuoteReport : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 600;
    static constexpr int ClientHeight = 360;

    // report: Windows-1252 lines, fields separated by tabs.
    TfrmQuoteReport(const std::string& report, QWidget* parent = nullptr);

    QPlainTextEdit* memReport;
    QPushButton* btnClose;
};

} // namespace cvn
