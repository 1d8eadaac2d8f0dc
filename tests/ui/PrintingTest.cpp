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
#include "tests/support/ui/MainWidgets.h"
#include "tests/support/ui/NextModal.h"
#include "tests/support/ui/SampleProgram.h"
#include "tests/support/ui/UiTest.h"
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

// A PDF as pdftotext -bbox gives it: its title, and where its words are.
struct TPdf {
    explicit TPdf(const std::string& file) {
        QProcess run;
        run.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QString::fromStdString(file), QStringLiteral("-")});
        run.waitForFinished(30000);
        Html = QString::fromUtf8(run.readAllStandardOutput());
        Title =
            QRegularExpression(QStringLiteral("<title>([^<]*)</title>")).match(Html).captured(1);
    }
    // The left and top of the first such word in layout units (1/100 inch), or (-1, -1).
    QPointF Find(const QString& text) const {
        const auto word = QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\" "
                                                            "yMin=\"([\\d.]+)\"[^>]*>") +
                                             QRegularExpression::escape(text) + "</word>")
                              .match(Html);
        return word.hasMatch()
                   ? QPointF(word.captured(1).toDouble(), word.captured(2).toDouble()) / 0.72
                   : QPointF(-1, -1);
    }
    QString Html;
    QString Title;
};

test::TCliRun Pdf(const test::TTempFolder& folder, std::vector<std::string> args) {
    args.insert(args.begin(), "pdf");
    return test::Cli(std::move(args), folder.Path(), {{"pdf", CmdPdf}});
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    // The layout's units reach the page as hundredths of an inch (where the printouts put
    // what is PrintoutsTest's). Nothing to print exits 1, a target that cannot be written
    // 2; neither leaves a file.
    void pdfCommandWritesThePageOrExitsWithoutAFile() {
        const test::TSampleProgram program;
        const std::string path = program.Folder.Path();
        program.Folder.Write("order.txt", "1|$1.00|Stock|R187PA0125BSG|Straight\r\n");
        QDir().mkpath(QString::fromStdString(path + "taken"));
        const std::tuple<std::vector<std::string>, int, bool> cases[] = {
            {{"order", path + "order.txt", path + "missing/order.pdf"}, 2, true},
            {{"order", path + "order.txt", path + "taken"}, 2, true},
            {{"specs", "PW187A", path + "x.pdf"}, 1, false},
            {{"specs", "R187PA0125BSG"}, 2, false},
            {{"specs", "R187PA0125BSG", path + "specs.pdf"}, 0, false},
        };
        for (const auto& [args, exit, writeError] : cases) {
            const test::TCliRun run = Pdf(program.Folder, args);
            QCOMPARE(run.Exit, exit);
            QCOMPARE(run.Err.rfind("error: ", 0) == 0, writeError);
        }
        QCOMPARE(QDir(QString::fromStdString(path)).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"order.txt", "specs.pdf"}));
        const QPointF title = TPdf(path + "specs.pdf").Find(QStringLiteral("Corvane"));
        QVERIFY((title - QPointF(50, 30)).manhattanLength() <= 2);
    }

    // Each View Specs shows the part's page from its top, whatever the last one scrolled
    // to; wider than the view, both its edges can be reached. Zoom: the end-to-end suite's.
    void viewSpecsOpensEachPartsPageAtItsTop() {
        test::TSampleProgram program;
        program.Main().show();
        program.Preview();
        for (const char* part : {"R187PA0125BSG", "C187ANSG"}) {
            program.Compose(part);
            test::AnswerNextModal<TfrmPreview>([&](TfrmPreview& window) {
                QCOMPARE(window.windowTitle(), QStringLiteral("Preview Part Number: ") + part);
                QScrollBar* bar = window.sbxPreview->verticalScrollBar();
                QCOMPARE(bar->value(), 0);
                test::PickItem(window.cbxPercent, 8); // 100 %
                const int view = window.sbxPreview->viewport()->width();
                QCOMPARE(window.sbxPreview->horizontalScrollBar()->maximum(),
                         window.imgPreview->pixmap().width() - view);
                QTest::keyClick(bar, Qt::Key_End);
                QVERIFY(bar->value() > 0 && bar->value() == bar->maximum());
                QTest::mouseClick(window.btnClose, Qt::LeftButton);
            });
            QTest::mouseClick(test::TMainWidgets(program.Main()).btnViewSpecs, Qt::LeftButton);
            QVERIFY2(program.Prompts.Messages.empty(), part);
        }
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
            QVERIFY(printed.Find(QStringLiteral("R187PA0125BSG")).x() >= 0);
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
