// What only the real Qt drawing surface and the windows show: the PDF the command line
// writes through it, the print dialog's path, the spec preview opening and pictures
// decoded. Where the printouts put what is the core's (tests/printing).

#include "app/QtServices.h"
#include "cli/CmdPdf.h"
#include "orders/OrderWindow.h"
#include "printing/PreviewWindow.h"
#include "printing/QtPrintJobs.h"
#include "printing/QtSurface.h"
#include "tests/support/Cli.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/NextModal.h"
#include "tests/ui/SampleProgram.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

using namespace cvn;

namespace {

// A PDF's title and words as pdftotext -bbox gives them: page, text, left and top in
// layout units (1/100 inch).
struct TPdf {
    explicit TPdf(const std::string& file) {
        QProcess run;
        run.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QString::fromStdString(file), QStringLiteral("-")});
        run.waitForFinished(30000);
        const QString html = QString::fromUtf8(run.readAllStandardOutput());
        static const QRegularExpression tag(
            QStringLiteral("<title>([^<]*)</title>|<page |<word xMin=\"([\\d.]+)\" "
                           "yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
        int page = 0;
        for (auto it = tag.globalMatch(html); it.hasNext();) {
            const auto match = it.next();
            if (match.capturedLength(1) > 0) {
                Title = match.captured(1);
            } else if (match.captured(0) == QStringLiteral("<page ")) {
                ++page;
            } else {
                Words.push_back({page, match.captured(4), match.captured(2).toDouble() / 0.72,
                                 match.captured(3).toDouble() / 0.72});
            }
        }
    }
    struct TWord {
        int Page;
        QString Text;
        double Left;
        double Top;
    };
    // The word on page, or an empty word with page 0.
    TWord Find(const QString& text, int page = 1) const {
        for (const TWord& word : Words) {
            if (word.Text == text && word.Page == page) {
                return word;
            }
        }
        return {0, {}, -1, -1};
    }
    QString Title;
    std::vector<TWord> Words;
};

test::TCliRun Pdf(const test::TTempFolder& folder, std::vector<std::string> args) {
    args.insert(args.begin(), "pdf");
    return test::Cli(std::move(args), folder.Path(), {{"pdf", CmdPdf}});
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    // The layout's units reach the page as hundredths of an inch, clipped to their boxes.
    void pdfCommandPutsTheTextsWhereTheLayoutDoes() {
        const test::TSampleProgram program;
        const test::TTempFolder& folder = program.Folder;
        std::string order;
        for (int i = 1; i <= 11; ++i) {
            order += std::to_string(i) + "|$1.00|Stock|R187PA" + std::to_string(1000 + i) +
                     "BSG|Straight Section" +
                     (i == 3 ? QString(", word").repeated(60).toStdString() + " END" : "") + "\r\n";
        }
        folder.Write("order.txt", order);
        QCOMPARE(Pdf(folder, {"specs", "R187PA0125BSG", folder.Path() + "specs.pdf"}).Exit, 0);
        QCOMPARE(Pdf(folder, {"order", folder.Path() + "order.txt", folder.Path() + "o.pdf"}).Exit,
                 0);
        const TPdf specs(folder.Path() + "specs.pdf");
        const TPdf orders(folder.Path() + "o.pdf");
        struct {
            const TPdf& Pdf;
            const char* Word;
            int Page;
            double Left; // -1: not placed
            double Top;
        } const cases[] = {
            {specs, "Corvane", 1, 50, 30},          {specs, "Description", 1, 150, -1},
            {specs, "Brenmoor", 1, 50, 1060},       {specs, "Units", 0, -1, -1},
            {orders, "R187PA1001BSG", 1, 375, 175}, {orders, "R187PA1010BSG", 1, 375, 940},
            {orders, "R187PA1011BSG", 2, 375, 175}, {orders, "END", 0, -1, -1},
        };
        for (const auto& c : cases) {
            const auto word = c.Pdf.Find(QString::fromLatin1(c.Word), c.Page ? c.Page : 1);
            QVERIFY2(word.Page == c.Page, c.Word);
            QVERIFY2(c.Left < 0 || std::abs(word.Left - c.Left) <= 1.5, c.Word);
            QVERIFY2(c.Top < 0 || std::abs(word.Top - c.Top) <= 1.5, c.Word);
        }
    }

    // Nothing to print exits 1, a target that cannot be written 2; neither leaves a file.
    void pdfCommandThatCannotWriteExitsTwoAndLeavesNoFile() {
        const test::TSampleProgram program;
        const test::TTempFolder& folder = program.Folder;
        folder.Write("order.txt", "1|$1.00|Stock|R187PA0125BSG|Straight\r\n");
        QDir().mkpath(QString::fromStdString(folder.Path() + "taken"));
        const std::tuple<std::vector<std::string>, int, bool> cases[] = {
            {{"order", folder.Path() + "order.txt", folder.Path() + "missing/order.pdf"}, 2, true},
            {{"order", folder.Path() + "order.txt", folder.Path() + "taken"}, 2, true},
            {{"specs", "PW187A", folder.Path() + "x.pdf"}, 1, false},
            {{"specs", "R187PA0125BSG"}, 2, false},
        };
        for (const auto& [args, exit, writeError] : cases) {
            const test::TCliRun run = Pdf(folder, args);
            QCOMPARE(run.Exit, exit);
            QCOMPARE(run.Err.rfind("error: ", 0) == 0, writeError);
        }
        QCOMPARE(QDir(QString::fromStdString(folder.Path())).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("order.txt")});
    }

    // Each View Specs shows the part's page from its top, whatever the last one scrolled
    // to; at 100 % it is wider than the view, and both edges can be reached.
    void viewSpecsOpensEachPartsPageAtItsTop() {
        test::TSampleProgram program;
        TfrmMain& main = program.Main();
        main.show();
        program.Preview();
        for (const char* part : {"R187PA0125BSG", "C187ANSG", "R187PA0130BSG"}) {
            program.Compose(part);
            bool shown = false;
            test::AnswerNextModal<TfrmPreview>([&](TfrmPreview& window) {
                shown = true;
                QCOMPARE(window.windowTitle(), QStringLiteral("Preview Part Number: ") + part);
                QScrollBar* bar = window.sbxPreview->verticalScrollBar();
                QCOMPARE(bar->value(), 0);
                if (window.cbxPercent->currentIndex() != 8) {
                    QCOMPARE(window.imgPreview->pixmap().size(), QSize(340, 440));
                    test::PickItem(window.cbxPercent, 8); // 100 %
                }
                QCOMPARE(window.imgPreview->pixmap().size(), QSize(850, 1100));
                const int view = window.sbxPreview->viewport()->width();
                QCOMPARE(window.sbxPreview->horizontalScrollBar()->maximum(), 850 - view);
                QTest::keyClick(bar, Qt::Key_End);
                QCOMPARE(bar->value(), bar->maximum());
                QTest::mouseClick(window.btnClose, Qt::LeftButton);
            });
            QTest::mouseClick(test::TMainWidgets(main).btnViewSpecs, Qt::LeftButton);
            QVERIFY2(shown, part);
        }
        QVERIFY(program.Prompts.Messages.empty());
    }

    // Both windows print through the print dialog: nothing when it is cancelled, the
    // document under its own name when it is accepted.
    void printGoesThroughTheDialogToThePrinter() {
        const test::TSampleProgram program;
        program.Folder.UseAsAppPath();
        test::TScriptedPrompts prompts;
        TQtServices desktop;
        TfrmPreview preview(prompts);
        preview.Core().Specs = {"", "", "", "R187PA0125BSG"};
        TfrmOrder order(TServices{prompts, desktop.Launcher, desktop.FileDialogs, desktop.Clock});
        TTxtTable lines;
        lines.Lines = {"1|$1.00|Stock|R187PA0125BSG|Straight"};
        order.Prepare(lines);
        struct {
            TPrintDialog& Dialog;
            QPushButton* Print;
            QString Title;
        } const cases[] = {{preview.PrintDialog1, preview.btnPrint, "Corvane Specs"},
                           {order.PrintDialog1, order.btnPrint, "Corvane Order"}};
        for (const auto& c : cases) {
            const std::string file = program.Folder.Path() + "printed.pdf";
            for (const bool accepted : {false, true}) {
                c.Dialog = [&](QPrinter& printer) {
                    printer.setOutputFormat(QPrinter::PdfFormat);
                    printer.setOutputFileName(QString::fromStdString(file));
                    return accepted;
                };
                QTest::mouseClick(c.Print, Qt::LeftButton);
                QCOMPARE(program.Folder.Exists("printed.pdf"), accepted);
            }
            const TPdf printed(file);
            QCOMPARE(printed.Title, c.Title);
            QCOMPARE(printed.Find(QStringLiteral("R187PA0125BSG")).Page, 1);
            QDir().remove(QString::fromStdString(file));
        }
        QVERIFY(prompts.Messages.empty());
    }

    void picturesDecodeByTheirExtension() {
        const test::TSampleProgram program;
        const std::string images = program.Folder.Path() + "Images/";
        QImage picture(8, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (const auto& [name, format] : {std::pair{"Red.bmp", "BMP"},
                                           {"Red.ico", "ICO"},
                                           {"Red.png", "PNG"},
                                           {"Bmp.gif", "BMP"}}) {
            QVERIFY(picture.save(QString::fromStdString(images + name), format));
        }
        QImage page(100, 100, QImage::Format_RGB32);
        QPainter painter(&page);
        TQtSurface surface(painter);
        const std::pair<const char*, bool> cases[] = {
            {"FlgCover.gif", true}, {"Red.bmp", true},  {"Red.ico", true},
            {"Red.png", false},     {"Bmp.gif", false}, {"Missing.gif", false},
        };
        for (const auto& [name, decodes] : cases) {
            TBitmap bitmap;
            QCOMPARE(surface.LoadPicture(images + name, bitmap), decodes);
            QVERIFY(!decodes || (bitmap.Width > 0 &&
                                 bitmap.Pixels.size() ==
                                     static_cast<std::size_t>(bitmap.Width * bitmap.Height)));
        }
        TBitmap logo;
        QVERIFY(surface.LoadLogo(logo));
        QCOMPARE(QSize(logo.Width, logo.Height), QSize(412, 151));
    }
};

CORVANE_UI_TEST(PrintingTest)
#include "PrintingTest.moc"
