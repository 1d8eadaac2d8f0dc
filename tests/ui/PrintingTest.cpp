#include "app/QtServices.h"
#include "catalogue/IniFile.h"
#include "catalogue/cvnLib.h"
#include "cli/Cli.h"
#include "cli/CmdPdf.h"
#include "orders/OrderWindow.h"
#include "printing/PreviewWindow.h"
#include "printing/QtPrintJobs.h"
#include "printing/QtSurface.h"
#include "tests/support/Cli.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/NextModal.h"
#include "tests/ui/SampleProgram.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <sstream>

using namespace cvn;

namespace {

// One word of a PDF page as pdftotext -bbox gives it, in layout units (1/100 inch).
struct TWord {
    int Page = 0;
    QString Text;
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

std::vector<TWord> WordsOf(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        qWarning("pdftotext is missing: scripts/bootstrap.sh installs poppler-utils");
        return {};
    }
    QProcess run;
    run.start(tool, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    run.waitForFinished(30000);
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    std::vector<TWord> words;
    int page = 0;
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(0) == QStringLiteral("<page ")) {
            ++page;
            continue;
        }
        const double unit = 100.0 / 72.0; // points to hundredths of an inch
        words.push_back({page, match.captured(5), match.captured(1).toDouble() * unit,
                         match.captured(2).toDouble() * unit, match.captured(3).toDouble() * unit,
                         match.captured(4).toDouble() * unit});
    }
    return words;
}

// The document's title, which a printer job takes from its document name.
QString TitleOf(const QString& pdf) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    run.waitForFinished(30000);
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return title.match(QString::fromUtf8(run.readAllStandardOutput())).captured(1);
}

// The word on page, or an empty word with page 0.
TWord Find(const std::vector<TWord>& words, const QString& text, int page = 1) {
    for (const TWord& word : words) {
        if (word.Text == text && word.Page == page) {
            return word;
        }
    }
    return {};
}

test::TCliRun Pdf(const test::TTempFolder& folder, std::vector<std::string> args) {
    args.insert(args.begin(), "pdf");
    return test::Cli(std::move(args), folder.Path(), {{"pdf", CmdPdf}});
}

// Within a unit or two of the layout.
#define QNEAR(actual, expected)                                                                    \
    QVERIFY2(std::abs((actual) - (expected)) <= 1.5,                                               \
             qPrintable(QStringLiteral("%1 is not near %2").arg(actual).arg(expected)))

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void specSheetPdfHasItsTextsWhereTheLayoutPutsThem() {
        const test::TSampleProgram program;
        const test::TTempFolder& folder = program.Folder;
        const std::string pdf = folder.Path() + "specs.pdf";
        const test::TCliRun run = Pdf(folder, {"specs", "R187PA0125BSG", pdf});
        QCOMPARE(run.Exit, 0);
        QCOMPARE(QString::fromStdString(run.Err), QString());
        const auto words = WordsOf(QString::fromStdString(pdf));
        QVERIFY(!words.empty());

        QNEAR(Find(words, "Corvane").Left, 50.0);
        QNEAR(Find(words, "Corvane").Top, 30.0);
        const TWord part = Find(words, "Part");
        const TWord number = Find(words, "R187PA0125BSG");
        QNEAR((part.Left + number.Right) / 2, 425.0);
        QNEAR(part.Top, 175.0);
        // The underlined heading's bottom, then the rows at 18-unit steps.
        QNEAR(Find(words, "Description").Left, 150.0);
        QNEAR(Find(words, "Description").Bottom, 645.0);
        const char* labels[] = {"Product", "Waveguide", "Flange", "Length"};
        for (int i = 0; i < 4; ++i) {
            QNEAR(Find(words, labels[i]).Left, 150.0);
            QNEAR(Find(words, labels[i]).Top, 650.0 + 18 * i);
        }
        QNEAR(Find(words, "WR-187").Left, 300.0);
        QVERIFY(Find(words, "Units").Page == 0);
        QNEAR(Find(words, "Brenmoor").Left, 50.0);
        QNEAR(Find(words, "Brenmoor").Top, 1060.0);
        const TWord web = Find(words, "www.brenmoor.com");
        QNEAR((web.Left + web.Right) / 2, 425.0);
        QNEAR(Find(words, "Page").Top, 1060.0);
        QVERIFY(Find(words, "available").Page == 0);
    }

    void orderPdfBreaksAfterTenLinesWithItsHeadingsAndFooters() {
        const test::TSampleProgram program;
        const test::TTempFolder& folder = program.Folder;
        std::string order;
        for (int i = 1; i <= 11; ++i) {
            order += std::to_string(i) + "|$" + std::to_string(100 * i) + ".00|Stock|R187PA" +
                     std::to_string(1000 + i) +
                     "BSG|Straight Section, WR-187, Cover, Length: 12.5, Choke, 3.95-5.85 GHz / "
                     "VSWR: 1.05:1, Gray" +
                     (i == 3 ? std::string(", one two three four five six seven eight nine ten "
                                           "eleven twelve thirteen fourteen fifteen sixteen "
                                           "seventeen eighteen nineteen twenty twentyone "
                                           "twentytwo twentythree twentyfour twentyfive "
                                           "twentysix twentyseven twentyeight twentynine END")
                             : std::string()) +
                     "\r\n";
        }
        folder.Write("order.txt", order);
        const std::string pdf = folder.Path() + "order.pdf";
        QCOMPARE(Pdf(folder, {"order", folder.Path() + "order.txt", pdf}).Exit, 0);
        const auto words = WordsOf(QString::fromStdString(pdf));
        QVERIFY(!words.empty());

        for (int page = 1; page <= 2; ++page) {
            QNEAR(Find(words, "Quantity", page).Right, 110.0);
            QNEAR(Find(words, "Quantity", page).Bottom, 165.0);
            QNEAR(Find(words, "Price", page).Right, 225.0);
            QNEAR(Find(words, "Delivery", page).Left, 250.0);
            QNEAR(Find(words, "Number", page).Bottom, 165.0);
            const TWord description = Find(words, "Description", page);
            QNEAR((description.Left + description.Right) / 2, 660.0);
            QNEAR(Find(words, "Page", page).Top, 1060.0);
            QCOMPARE(Find(words, QString::number(page), page).Page, page);
        }
        QCOMPARE(Find(words, "2").Page, 1); // "Page 1 of 2"
        QNEAR(Find(words, "R187PA1001BSG").Top, 175.0);
        QNEAR(Find(words, "R187PA1001BSG").Left, 375.0);
        QNEAR(Find(words, "$100.00").Right, 225.0);
        QNEAR(Find(words, "R187PA1010BSG").Top, 175.0 + 9 * 85);
        QNEAR(Find(words, "R187PA1011BSG", 2).Top, 175.0);
        // The description wraps inside its box and stops 75 units below the line's top:
        // what lies further down is not in the document at all.
        QCOMPARE(Find(words, "END").Page, 0);
        QCOMPARE(Find(words, "eleven").Page, 1);
        for (const TWord& word : words) {
            if (word.Left >= 524 && word.Page == 1 && word.Top > 170 && word.Top < 1000) {
                QVERIFY2(word.Right <= 801, qPrintable(word.Text));
                const double top = 175.0 + 85 * std::floor((word.Top - 175.0) / 85);
                QVERIFY2(word.Top < top + 75, qPrintable(word.Text));
            }
        }
    }

    void pdfThatCannotBeWrittenExitsTwoAndLeavesNoFile() {
        const test::TSampleProgram program;
        const test::TTempFolder& folder = program.Folder;
        folder.Write("order.txt", "1|$1.00|Stock|R187PA0125BSG|Straight\r\n");
        QDir().mkpath(QString::fromStdString(folder.Path() + "taken"));
        const std::string targets[] = {folder.Path() + "missing/order.pdf",
                                       folder.Path() + "taken"};
        for (const std::string& target : targets) {
            const test::TCliRun run = Pdf(folder, {"order", folder.Path() + "order.txt", target});
            QCOMPARE(run.Exit, 2);
            QVERIFY(run.Err.rfind("error: ", 0) == 0);
        }
        QVERIFY(!QFileInfo::exists(QString::fromStdString(folder.Path() + "missing")));
        QVERIFY(QFileInfo(QString::fromStdString(folder.Path() + "taken")).isDir());
        const QStringList left =
            QDir(QString::fromStdString(folder.Path())).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList{QStringLiteral("order.txt")});

        // Nothing to print: no PDF, and the negative answer.
        QCOMPARE(Pdf(folder, {"specs", "PW187A", folder.Path() + "x.pdf"}).Exit, 1);
        QVERIFY(!folder.Exists("x.pdf"));
        QCOMPARE(Pdf(folder, {"specs", "R187PA0125BSG"}).Exit, 2);
    }

    void viewSpecsOpensThePreviewOfTheComposedPart() {
        test::TSampleProgram program;
        TfrmMain& main = program.Main();
        const test::TMainWidgets ui(main);
        TfrmPreview& preview = program.Preview();
        main.show();
        program.Compose("R187PA0125BSG");
        QVERIFY(ui.btnViewSpecs->isEnabled());

        bool shown = false;
        test::AnswerNextModal<TfrmPreview>([&](TfrmPreview& window) {
            shown = true;
            QCOMPARE(window.windowTitle(), QStringLiteral("Preview Part Number: R187PA0125BSG"));
            QCOMPARE(window.cbxPercent->currentText(), QStringLiteral("40 %"));
            QCOMPARE(window.imgPreview->pixmap().size(), QSize(340, 440));
            QCOMPARE(window.pnlImagePanel->size(), QSize(340, 440));
            const int view = window.sbxPreview->viewport()->width();
            QCOMPARE(window.pnlImagePanel->mapTo(window.sbxPreview->viewport(), QPoint()).x(),
                     (view - 340) / 2);
            QTest::mouseClick(window.btnClose, Qt::LeftButton);
        });
        QTest::mouseClick(ui.btnViewSpecs, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!preview.isVisible());
        const TTxtTable& rows = preview.Core().SpecRows;
        QCOMPARE(rows.RowCount(), 7);
        QCOMPARE(QString::fromStdString(preview.Core().Specs.FlangeAImage),
                 QStringLiteral("FlgCover.gif"));
        QVERIFY(program.Prompts.Messages.empty());

        // Opened again for another part: its page replaces the last one.
        program.Compose("C187ANSG");
        shown = false;
        test::AnswerNextModal<TfrmPreview>([&](TfrmPreview& window) {
            shown = true;
            QCOMPARE(window.windowTitle(), QStringLiteral("Preview Part Number: C187ANSG"));
            QTest::keyClick(window.btnClose, Qt::Key_C, Qt::AltModifier);
        });
        QTest::mouseClick(ui.btnViewSpecs, Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!preview.isVisible());
        QCOMPARE(preview.Core().Specs.FlangeBImage, std::string());
        QCOMPARE(preview.Core().SpecRows.GetField(0, 4),
                 std::string("Waveguide to Coax Transition"));
        QVERIFY(preview.Core().SpecRows.RowCount() < rows.RowCount() + 1);
    }

    // A page taller than the view, read down to its footer and closed: the next page
    // opens at its top, at whatever zoom.
    void aNewPreviewStartsAtTheTopOfItsPage() {
        test::TSampleProgram program;
        TfrmMain& main = program.Main();
        const test::TMainWidgets ui(main);
        main.show();
        for (const char* part : {"R187PA0125BSG", "C187ANSG", "R187PA0130BSG"}) {
            program.Compose(part);
            int opensAt = -1;
            test::AnswerNextModal<TfrmPreview>([&](TfrmPreview& window) {
                QScrollBar* bar = window.sbxPreview->verticalScrollBar();
                opensAt = bar->value();
                if (window.cbxPercent->currentIndex() != 8) {
                    test::PickItem(window.cbxPercent, 8); // 100 %: taller than the view
                }
                QVERIFY(bar->maximum() > 0);
                // Down to the footer, as the End key takes the scroll bar there.
                QTest::keyClick(bar, Qt::Key_End);
                QCOMPARE(bar->value(), bar->maximum());
                QTest::mouseClick(window.btnClose, Qt::LeftButton);
            });
            QTest::mouseClick(ui.btnViewSpecs, Qt::LeftButton);
            QVERIFY2(opensAt == 0, part);
        }
        QVERIFY(program.Prompts.Messages.empty());
    }

    void zoomStepsResizeCentreAndAreRemembered() {
        const test::TSampleProgram program;
        const test::TTempFolder& folder = program.Folder;
        folder.UseAsAppPath();
        test::TScriptedPrompts prompts;
        {
            TfrmPreview preview(prompts);
            preview.Core().Specs = {"FlgCover.gif", "Missing.gif", "", "R187PA0125BSG"};
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            test::PickItem(preview.cbxPercent, 8);
            QCOMPARE(preview.pnlImagePanel->size(), QSize(850, 1100));
            QCOMPARE(preview.imgPreview->pixmap().size(), QSize(850, 1100));
            // Wider than the view: centred, and both edges can be scrolled to.
            const int view = preview.sbxPreview->viewport()->width();
            const int left = (view - 850) / 2;
            QVERIFY(left < 0);
            QCOMPARE(preview.pnlImagePanel->mapTo(preview.sbxPreview->viewport(), QPoint()).x(),
                     left);
            QScrollBar* bar = preview.sbxPreview->horizontalScrollBar();
            QCOMPARE(bar->maximum(), 850 - view);

            const int renders = preview.RenderCount;
            QTest::mouseClick(preview.btnSize, Qt::LeftButton);
            QCOMPARE(preview.cbxPercent->currentText(), QStringLiteral("85 %"));
            QCOMPARE(preview.pnlImagePanel->size(), QSize(722, 935));
            QCOMPARE(preview.RenderCount, renders + 1);
            QTest::mouseClick(preview.btnSize, Qt::LeftButton);
            QCOMPARE(preview.RenderCount, renders + 1);

            test::PickItem(preview.cbxPercent, 8);
            QCOMPARE(preview.RenderCount, renders + 2);
            QVERIFY(prompts.Messages.empty());
        }
        QCOMPARE(ReadIniString(AppPath + "Corvane.ini", "PREVIEW", "size", ""), std::string("8"));
        TfrmPreview again(prompts);
        QCOMPARE(again.cbxPercent->currentText(), QStringLiteral("100 %"));
    }

    void printGoesThroughTheDialogToThePrinter() {
        const test::TSampleProgram program;
        const test::TTempFolder& folder = program.Folder;
        folder.UseAsAppPath();
        test::TScriptedPrompts prompts;
        TfrmPreview preview(prompts);
        preview.Core().Specs = {"", "", "", "R187PA0125BSG"};
        const QString file = QString::fromStdString(folder.Path() + "printed.pdf");
        bool answer = false;
        preview.PrintDialog1 = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return answer;
        };
        QTest::mouseClick(preview.btnPrint, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(file));
        answer = true;
        QTest::mouseClick(preview.btnPrint, Qt::LeftButton);
        QVERIFY(QFileInfo::exists(file));
        const auto words = WordsOf(file);
        QVERIFY(Find(words, "Specifications").Page == 1);
        QVERIFY(Find(words, "R187PA0125BSG").Page == 1);
        QCOMPARE(TitleOf(file), QStringLiteral("Corvane Specs"));
        QVERIFY(prompts.Messages.empty());
    }

    void orderWindowPrintsItsOrderThroughTheDialog() {
        const test::TSampleProgram program;
        const test::TTempFolder& folder = program.Folder;
        folder.UseAsAppPath();
        test::TScriptedPrompts prompts;
        TQtServices desktop;
        TfrmOrder window(TServices{prompts, desktop.Launcher, desktop.FileDialogs, desktop.Clock});
        TTxtTable order;
        for (int i = 1; i <= 12; ++i) {
            order.Lines.push_back(std::to_string(i) + "|$1.00|Stock|R187PA0125BSG|Straight");
        }
        window.Prepare(order);
        window.show();
        const QString file = QString::fromStdString(folder.Path() + "order.pdf");
        int asked = 0;
        bool answer = false;
        window.PrintDialog1 = [&](QPrinter& printer) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return answer;
        };
        QVERIFY(window.btnPrint->isEnabled());
        QTest::mouseClick(window.btnPrint, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(file));
        answer = true;
        QTest::mouseClick(window.btnPrint, Qt::LeftButton);
        QCOMPARE(asked, 2);
        QCOMPARE(TitleOf(file), QStringLiteral("Corvane Order"));
        const auto words = WordsOf(file);
        // The printer's margins move and shrink the page; the order of lines stays.
        QVERIFY(Find(words, "11", 2).Top < Find(words, "12", 2).Top);
        QCOMPARE(Find(words, "10", 2).Page, 0);
        QCOMPARE(Find(words, "10", 1).Page, 1);
        QVERIFY(prompts.Messages.empty());
        // Printing leaves the order as it was.
        QCOMPARE(order.RowCount(), 12);
    }

    void picturesDecodeByTheirExtension() {
        const test::TSampleProgram program;
        const test::TTempFolder& folder = program.Folder;
        QImage picture(8, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(QString::fromStdString(folder.Path() + "Images/Red.bmp"), "BMP"));
        QVERIFY(picture.save(QString::fromStdString(folder.Path() + "Images/Red.ico"), "ICO"));
        QVERIFY(picture.save(QString::fromStdString(folder.Path() + "Images/Red.png"), "PNG"));
        QVERIFY(picture.save(QString::fromStdString(folder.Path() + "Images/Bmp.gif"), "BMP"));
        QImage page(100, 100, QImage::Format_RGB32);
        QPainter painter(&page);
        TQtSurface surface(painter);
        struct {
            const char* Name;
            bool Decodes;
        } const cases[] = {
            {"FlgCover.gif", true}, {"Red.bmp", true},  {"Red.ico", true},
            {"Red.png", false},     {"Bmp.gif", false}, {"Missing.gif", false},
        };
        for (const auto& c : cases) {
            TBitmap bitmap;
            QCOMPARE(surface.LoadPicture(folder.Path() + "Images/" + c.Name, bitmap), c.Decodes);
            if (c.Decodes) {
                QVERIFY(bitmap.Width > 0 &&
                        bitmap.Pixels.size() ==
                            static_cast<std::size_t>(bitmap.Width * bitmap.Height));
            }
        }
        TBitmap logo;
        QVERIFY(surface.LoadLogo(logo));
        QCOMPARE(logo.Width, 412);
        QCOMPARE(logo.Height, 151);
    }
};

CORVANE_UI_TEST(PrintingTest)
#include "PrintingTest.moc"
