// Renders every window of the program to PNG files, for looking at the layout
// without a display: corvane38-screenshots FOLDER (run with QT_QPA_PLATFORM=offscreen).
// Each step below shows one part of the program and saves what it shows; main runs
// them in order on one set of start-up windows.

#include "app/About.h"
#include "app/Look.h"
#include "app/Program.h"
#include "app/QtServices.h"
#include "app/Splash.h"
#include "catalogue/Files.h"
#include "catalogue/Fixed.h"
#include "catalogue/cvnLib.h"
#include "controls/CVNComboBox.h"
#include "controls/CoreText.h"
#include "controls/MultiColumnCombo.h"
#include "controls/SpinEdit.h"
#include "entry/ConvertDialog.h"
#include "entry/ListQuote.h"
#include "entry/QuickBuilderDialog.h"
#include "orders/AddOrderDialog.h"
#include "orders/OrderLines.h"
#include "orders/OrderWindow.h"
#include "orders/QuoteReportWindow.h"
#include "printing/PreviewWindow.h"
#include "printing/QtPrintPages.h"
#include "tools/ScreenshotKit.h"
#include "update/DownloadWindow.h"
#include "update/OptionsWindow.h"
#include "update/Update.h"
#include "update/UpdateWindow.h"
#include "wizard/DlgConfirm.h"
#include "wizard/DlgSwap.h"
#include "wizard/FindSizeDialog.h"
#include "wizard/Main.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>
#include <QTemporaryDir>

#include <cstdio>
#include <iterator>
#include <utility>

namespace {

using namespace cvn::shots;

// Screen 1: empty, the product list open, each kind of family, the taper sizes; then
// screen 2 before Create.
bool ShootScreenOne(cvn::TfrmMain* main, const QDir& folder) {
    bool ok = true;
    main->show();
    QApplication::processEvents();
    ok &= Save(main, folder, QStringLiteral("main-screen1"));

    // The product list open, with a family chosen.
    cvn::TMultiColumnCombo* families = Widget(*main, "cbxProductType");
    families->SetItemIndex(main->Core().FamilyTable.RowCount() > 8 ? 8 : 0);
    families->showPopup();
    QApplication::processEvents();
    ok &= Save(families->view()->window(), folder, QStringLiteral("main-product-list"));
    families->hidePopup();
    main->cbxProductTypeChange();
    QApplication::processEvents();
    ok &= Save(main, folder, QStringLiteral("main-screen1-family"));

    // Screen 1 for a family of each length page, and the families whose flange groups
    // read differently.
    struct TShot {
        int Family;
        const char* Size;
        const char* Name;
    };
    const TShot shots[] = {
        {cvn::FamilyType::Straight, "187", "main-screen1-straight"},
        {cvn::FamilyType::EBend, "187", "main-screen1-bend"},
        {cvn::FamilyType::Twist, "187", "main-screen1-twist"},
        {cvn::FamilyType::Coax, "187", "main-screen1-coax"},
        {cvn::FamilyType::PressureWindow, "090", "main-screen1-window"},
        {cvn::FamilyType::Tapered, "090", "main-screen1-taper"},
    };
    for (const TShot& shot : shots) {
        if (shot.Family < main->Core().FamilyTable.RowCount()) {
            ChooseThroughWindow(*main, shot.Family, shot.Size);
            QApplication::processEvents();
            ok &= Save(main, folder, QString::fromLatin1(shot.Name));
        }
    }
    cvn::TMultiColumnCombo* waveguides = Widget(*main, "cbxWaveguide");
    waveguides->showPopup();
    QApplication::processEvents();
    ok &= Save(waveguides->view()->window(), folder, QStringLiteral("main-taper-list"));
    waveguides->hidePopup();

    main->Core().Screen = 2;
    main->MirrorState();
    QApplication::processEvents();
    ok &= Save(main, folder, QStringLiteral("main-screen2"));
    return ok;
}

// Screen 2 after Create: the bands, the part number and the description sheet; then
// the confirmations, with the texts the wizard asked them with.
bool ShootScreenTwo(cvn::TfrmMain* main, const TLoggedPrompts& prompts, const QDir& folder) {
    bool ok = true;
    if (main->Core().FamilyTable.RowCount() > cvn::FamilyType::Tapered) {
        Configure(*main, cvn::FamilyType::Straight, "187", "B", "A");
        QApplication::processEvents();
        ok &= Save(main, folder, QStringLiteral("main-screen2-created"));
        Configure(*main, cvn::FamilyType::EBend, "187", "C", "A");
        QApplication::processEvents();
        ok &= Save(main, folder, QStringLiteral("main-screen2-bend"));

        main->btnBackClick();
        Configure(*main, cvn::FamilyType::Tapered, "090", "A", "C");
        main->btnBackClick();
        Configure(*main, cvn::FamilyType::MiterH, "187", "C", "A");
        cvn::TfrmConfirmTapered tapered;
        tapered.lblCaption->setText(cvn::ScreenText(prompts.TaperedMessage));
        tapered.lblCaption->adjustSize();
        tapered.show();
        QApplication::processEvents();
        ok &= Save(&tapered, folder, QStringLiteral("confirm-tapered"));
        tapered.hide();
        cvn::TfrmSwapConfirm swap;
        swap.lblLabel1->setText(cvn::ScreenText(prompts.SwapLines.first));
        swap.lblLabel1->adjustSize();
        swap.lblLabel2->setText(cvn::ScreenText(prompts.SwapLines.second));
        swap.lblLabel2->adjustSize();
        swap.show();
        QApplication::processEvents();
        ok &= Save(&swap, folder, QStringLiteral("confirm-swap"));
        swap.hide();
    }
    return ok;
}

// The order: the Add to Order dialog for a new part, for a listed one and as the
// quantity dialog of Change Quantity, and the order window with several lines. The
// lines go to ORDER, so the main window's stays empty.
bool ShootOrder(cvn::TfrmMain* main, cvn::TTxtTable& order, const QDir& folder) {
    bool ok = true;
    if (main->frmAddOrder && main->frmOrder &&
        main->Core().FamilyTable.RowCount() > cvn::FamilyType::Tapered) {
        cvn::TfrmAddOrder& addOrder = *main->frmAddOrder;
        struct TPart {
            int Family;
            const char* Size;
            const char* FlangeA;
            const char* FlangeB;
        };
        const TPart parts[] = {{cvn::FamilyType::Straight, "187", "B", "A"},
                               {cvn::FamilyType::EBend, "187", "C", "A"},
                               {cvn::FamilyType::Twist, "090", "A", "A"},
                               {cvn::FamilyType::StepTwist, "090", "", ""},
                               {cvn::FamilyType::Coax, "187", "A", ""}};
        bool first = true;
        for (const TPart& part : parts) {
            main->btnBackClick();
            Configure(*main, part.Family, part.Size, part.FlangeA, part.FlangeB);
            const cvn::TOrder item{1, main->Core().PartNumber,
                                   main->Core().DescribeConfiguration()};
            addOrder.Prepare(order, item);
            addOrder.show();
            QApplication::processEvents();
            if (first) {
                ok &= Save(&addOrder, folder, QStringLiteral("add-order-new"));
                first = false;
            }
            // Quantities as a user types them: the price follows.
            addOrder.txtQuantity->setValue(order.RowCount() * 12 + 1);
            addOrder.btnAddClick();
            addOrder.hide();
        }
        addOrder.Prepare(order, cvn::OrderOfLine(order, 0));
        addOrder.show();
        QApplication::processEvents();
        ok &= Save(&addOrder, folder, QStringLiteral("add-order-listed"));
        addOrder.hide();
        addOrder.Prepare(order, cvn::OrderOfLine(order, 1), false);
        addOrder.show();
        QApplication::processEvents();
        ok &= Save(&addOrder, folder, QStringLiteral("add-order-change-quantity"));
        addOrder.hide();

        cvn::TfrmOrder& orderWindow = *main->frmOrder;
        orderWindow.Prepare(order);
        orderWindow.show();
        QApplication::processEvents();
        ok &= Save(&orderWindow, folder, QStringLiteral("order-lines"));
        orderWindow.hide();
        main->mnuResetSettingsClick();
    }
    return ok;
}

// The spec sheet of the main window's configuration in the preview, at 40 % and
// 100 %; the zoom the program folder remembers is put back afterwards.
bool SavePreview(cvn::TfrmMain& main, cvn::TfrmPreview& preview, const QDir& folder) {
    bool ok = true;
    const int remembered = preview.Core().PercentIndex;
    preview.Core().ViewSpecs(main.Core());
    preview.show();
    for (const auto& [index, name] : {std::pair{0, "preview-40"}, std::pair{8, "preview-100"}}) {
        preview.Core().cbxPercentChange(index);
        preview.MirrorState();
        QApplication::processEvents();
        ok &= Save(&preview, folder, QString::fromLatin1(name));
    }
    preview.hide();
    preview.Core().cbxPercentChange(remembered);
    preview.MirrorState();
    return ok;
}

// The printed pages of a twelve-line order, as the order window's Print draws them.
bool SaveOrderPages(const QDir& folder) {
    cvn::TTxtTable order;
    const char* parts[] = {"R187PA0125BSG|Straight Section, WR-187, Cover, Length: 12.5, Choke, "
                           "3.95-5.85 GHz / VSWR: 1.05:1, Gray",
                           "E090PA040B040SG|E-Plane 90\xb0 Bend, WR-90, Cover, Leg A: 4.0, Leg B: "
                           "4.0, Cover, 8.2-12.4 GHz / VSWR: 1.10:1, Gray",
                           "C090ANSG|Waveguide to Coax Transition, WR-90, Cover, Type N Female, "
                           "8.2-12.4 GHz / VSWR: 1.25:1, Gray"};
    for (int i = 0; i < 12; ++i) {
        // Prices as the Add to Order dialog writes them.
        order.Lines.push_back(std::to_string(i + 1) + "|" +
                              cvn::TFixed::FromInt(125 * (i + 1)).FormatMoney() + "|" +
                              (i % 2 ? "4-6 Weeks" : "Stock") + "|" + parts[i % 3]);
    }
    bool ok = true;
    const std::vector<QImage> pages = cvn::RenderOrderImages(850, 1100, order);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        ok &= SaveImage(pages[i], folder, QStringLiteral("order-page-%1").arg(i + 1));
    }
    return ok;
}

// The preview of a straight section's spec sheet.
bool ShootPreview(cvn::TfrmMain* main, const cvn::TProgram& program, const QDir& folder) {
    bool ok = true;
    if (main->Core().FamilyTable.RowCount() > cvn::FamilyType::Tapered) {
        main->btnBackClick();
        Configure(*main, cvn::FamilyType::Straight, "187", "B", "A");
        for (QWidget* window : program.Windows()) {
            if (auto* preview = qobject_cast<cvn::TfrmPreview*>(window)) {
                ok &= SavePreview(*main, *preview, folder);
            }
        }
    }
    return ok;
}

// Find Size by Frequency with a frequency typed, while a straight section is in use:
// the list shows the sizes that cover it with their VSWR and whether they are offered.
bool ShootFindSize(cvn::TfrmMain* main, TLoggedPrompts& prompts, const QDir& folder) {
    bool ok = true;
    if (main->Core().FamilyTable.RowCount() > cvn::FamilyType::Straight) {
        main->btnBackClick();
        ChooseThroughWindow(*main, cvn::FamilyType::Straight, "187");
        cvn::TfrmFindSize findSize(prompts, main->Core(), main);
        findSize.show();
        findSize.txtFrequency->setText(QStringLiteral("9"));
        QApplication::processEvents();
        ok &= Save(&findSize, folder, QStringLiteral("find-size"));
        findSize.hide();
    }
    return ok;
}

// The report of Add from List after a short list was quoted onto an order of its own:
// new part numbers, an old one the conversion table knows and one nobody knows.
bool ShootQuoteReport(TLoggedPrompts& prompts, const QDir& folder) {
    const QTemporaryDir listFolder;
    const QString listFile = listFolder.filePath(QStringLiteral("request.csv"));
    QFile list(listFile);
    if (!listFolder.isValid() || !list.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(listFile));
        return false;
    }
    list.write("Qty,Part\r\n"
               "4,R187PA0125BSG\r\n"
               "2,E090PA040B040SG\r\n"
               "1,C090ANSG\r\n"
               "2,WS-90-120\r\n"
               "3,XR-990-12\r\n");
    list.close();
    cvn::TTxtTable order;
    std::string report;
    if (!cvn::QuoteListFile(order, listFile.toStdString(), prompts, report)) {
        return false;
    }
    cvn::TfrmQuoteReport reportWindow(report);
    reportWindow.show();
    QApplication::processEvents();
    const bool ok = Save(&reportWindow, folder, QStringLiteral("order-list-report"));
    reportWindow.hide();
    return ok;
}

// Each start-up window but the main one, as it opens.
bool ShootStartUpWindows(const cvn::TProgram& program, const QDir& folder) {
    bool ok = true;
    const char* names[] = {"main", "order", "add-order", "create", "convert", "preview"};
    const std::vector<QWidget*> windows = program.Windows();
    for (std::size_t i = 1; i < windows.size() && i < std::size(names); ++i) {
        windows[i]->show();
        QApplication::processEvents();
        ok &= Save(windows[i], folder, QString::fromLatin1(names[i]));
        windows[i]->hide();
    }
    return ok;
}

// The part-number dialogs in use. Their histories are put back afterwards: the
// program saves them beside itself at the end.
bool ShootPartNumberDialogs(const cvn::TProgram& program, const QDir& folder) {
    bool ok = true;
    for (QWidget* window : program.Windows()) {
        if (auto* create = qobject_cast<cvn::TfrmCreate*>(window)) {
            const cvn::TStrings history = create->Core().History.Items;
            create->show();
            create->Core().History.Items = {"R187PA0125BSG", "E090PA040B040SG", "C090ANSG"};
            create->MirrorState();
            create->cbxPartNumber->showPopup();
            QApplication::processEvents();
            ok &= Save(create->cbxPartNumber->view()->window(), folder,
                       QStringLiteral("create-history"));
            create->cbxPartNumber->hidePopup();
            create->hide();
            create->Core().History.Items = history;
        } else if (auto* convert = qobject_cast<cvn::TfrmConvert*>(window)) {
            const cvn::TStrings history = convert->Core().History.Items;
            convert->show();
            convert->cbxOldPartNumber->setEditText(QStringLiteral("wt-90-4"));
            convert->btnCreateClick();
            QApplication::processEvents();
            ok &= Save(convert, folder, QStringLiteral("convert-found"));
            convert->hide();
            convert->Core().History.Items = history;
        }
    }
    return ok;
}

// The splash and the about box.
bool ShootSplashAndAbout(cvn::TQtServices& desktop, const QDir& folder) {
    bool ok = true;
    cvn::TfrmSplash splash(cvn::ProgramFolder());
    splash.show();
    QApplication::processEvents();
    ok &= Save(&splash, folder, QStringLiteral("splash"));
    splash.hide();

    cvn::TfrmAbout about(desktop.Launcher);
    about.show();
    QApplication::processEvents();
    ok &= Save(&about, folder, QStringLiteral("about"));
    about.hide();
    return ok;
}

// The update window, as opened from the menu and as the reminder, and its options.
bool ShootUpdateWindows(const cvn::TServices& services, TLoggedPrompts& prompts,
                        const QDir& folder) {
    bool ok = true;
    cvn::TfrmUpdate update(services, cvn::AppPath);
    update.show();
    QApplication::processEvents();
    ok &= Save(&update, folder, QStringLiteral("update"));
    update.SetMessage(cvn::ReminderText);
    QApplication::processEvents();
    ok &= Save(&update, folder, QStringLiteral("update-reminder"));
    update.hide();
    cvn::TfrmOptions updateOptions(prompts, cvn::AppPath);
    updateOptions.show();
    QApplication::processEvents();
    ok &= Save(&updateOptions, folder, QStringLiteral("update-options"));
    updateOptions.cbxAutoUpdate->click();
    QApplication::processEvents();
    ok &= Save(&updateOptions, folder, QStringLiteral("update-options-no-auto"));
    updateOptions.hide();
    cvn::TfrmDownload download;
    download.ShowFile(QStringLiteral("corvane.exe"));
    download.ShowProgress(12 * 1024 * 1024, 34 * 1024 * 1024);
    download.show();
    QApplication::processEvents();
    ok &= Save(&download, folder, QStringLiteral("update-download"));
    download.hide();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvane38-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    cvn::SetUpLook(app);
    TLoggedPrompts prompts;
    cvn::TQtServices desktop;
    cvn::TProgramOptions options;
    options.ShowSplash = false;
    options.ProgramFolder = cvn::ProgramFolder();
    const TUpdateSettingsKept updateSettings(options.ProgramFolder);
    const cvn::TServices services{prompts, desktop.Launcher, desktop.FileDialogs, desktop.Clock};
    cvn::TProgram program(services, options);
    program.CreateWindows();
    cvn::TfrmMain* main = program.MainWindow();

    bool ok = ShootScreenOne(main, folder);
    ok &= ShootScreenTwo(main, prompts, folder);
    // The order window and the Add to Order dialog keep a reference to the order they
    // were shown with, and are shown again below: it lives as long as they do.
    cvn::TTxtTable order;
    ok &= ShootOrder(main, order, folder);
    ok &= ShootPreview(main, program, folder);
    ok &= ShootFindSize(main, prompts, folder);
    ok &= ShootQuoteReport(prompts, folder);
    ok &= SaveOrderPages(folder);
    ok &= ShootStartUpWindows(program, folder);
    ok &= ShootPartNumberDialogs(program, folder);
    ok &= ShootSplashAndAbout(desktop, folder);
    ok &= ShootUpdateWindows(services, prompts, folder);
    return ok ? 0 : 1;
}
