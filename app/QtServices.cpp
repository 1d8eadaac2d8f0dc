#include "app/QtServices.h"

#include "controls/CoreText.h"
#include "wizard/DlgConfirm.h"
#include "wizard/DlgSwap.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

#include <memory>

namespace cvn {

namespace {

QMessageBox* NewBox(QMessageBox::Icon icon, const QString& title, const std::string& text) {
    auto* box = new QMessageBox(icon, title, ScreenText(text), QMessageBox::NoButton,
                                QApplication::activeWindow());
    // Catalogue texts are shown as they are, never read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    return box;
}

void ShowOk(QMessageBox::Icon icon, const QString& title, const std::string& text) {
    std::unique_ptr<QMessageBox> box(NewBox(icon, title, text));
    box->setStandardButtons(QMessageBox::Ok);
    box->exec();
}

} // namespace

void TQtPrompts::Information(const std::string& text) {
    ShowOk(QMessageBox::Information, QStringLiteral("Information"), text);
}

void TQtPrompts::Error(const std::string& text) {
    ShowOk(QMessageBox::Critical, QStringLiteral("Error"), text);
}

bool TQtPrompts::YesNo(const std::string& text) {
    std::unique_ptr<QMessageBox> box(
        NewBox(QMessageBox::Question, QStringLiteral("Confirm"), text));
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box->exec() == QMessageBox::Yes;
}

TDialogResult TQtPrompts::ConfirmTapered(const std::string& message) {
    return ::cvn::ConfirmTapered(message);
}

TDialogResult TQtPrompts::ConfirmSwap(const std::string& line1, const std::string& line2) {
    return ::cvn::ConfirmSwap(line1, line2);
}

bool TDesktopLauncher::Open(const std::string& fileOrAddress) {
    const QString target = QStr(fileOrAddress);
    const QUrl url =
        target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

namespace {

// "Text file|*.txt|XML file|*.xml" becomes "Text file (*.txt)", "XML file (*.xml)".
QStringList QtFilters(const std::string& filter) {
    const QStringList parts = QStr(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters << (parts[i].contains(QLatin1Char('('))
                        ? parts[i]
                        : parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')'));
    }
    return filters;
}

// The patterns of a filter entry, "Text File   (*.txt)" giving "*.txt".
QString PatternsOf(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    return open >= 0 && close > open ? filter.mid(open + 1, close - open - 1).simplified()
                                     : QString();
}

// The 1-based entry of the filter the dialog hands back. Qt's own dialog collapses the
// blanks of a filter's text ("Excel Sheet   (*.xls)" comes back with one), and other
// dialogs may word it their own way: the text is compared with blanks collapsed, then
// by its patterns. A filter that matches neither leaves the entry the dialog began with.
int EntryOfFilter(const QStringList& filters, const QString& selected, int startEntry) {
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (filters[i].simplified() == selected.simplified()) {
            return static_cast<int>(i) + 1;
        }
    }
    const QString patterns = PatternsOf(selected);
    for (qsizetype i = 0; i < filters.size() && !patterns.isEmpty(); ++i) {
        if (PatternsOf(filters[i]) == patterns) {
            return static_cast<int>(i) + 1;
        }
    }
    return startEntry;
}

} // namespace

bool TQtFileDialogs::OpenFileName(const std::string& title, const std::string& filter,
                                  std::string& fileName) {
    const QString chosen =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), QStr(title), QStr(fileName),
                                     QtFilters(filter).join(QStringLiteral(";;")));
    if (chosen.isEmpty()) {
        return false;
    }
    fileName = CoreStr(chosen);
    return true;
}

bool TQtFileDialogs::SaveFileName(const std::string& title, const std::string& filter,
                                  std::string& fileName, int& filterIndex) {
    const QStringList filters = QtFilters(filter);
    const int startEntry = filterIndex;
    QString selected = filters.value(startEntry - 1);
    const QString chosen =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QStr(title), QStr(fileName),
                                     filters.join(QStringLiteral(";;")), &selected);
    if (chosen.isEmpty()) {
        return false;
    }
    fileName = CoreStr(chosen);
    filterIndex = EntryOfFilter(filters, selected, startEntry);
    return true;
}

} // namespace cvn
