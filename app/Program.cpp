#include "app/Program.h"

#include "app/MainLinks.h"
#include "app/Splash.h"
#include "catalogue/TxtTable.h"
#include "entry/ConvertDialog.h"
#include "entry/ListQuote.h"
#include "entry/QuickBuilderDialog.h"
#include "orders/AddOrderDialog.h"
#include "orders/OrderWindow.h"
#include "printing/PreviewWindow.h"
#include "wizard/Main.h"

#include <QApplication>

namespace cvn {

TProgram::TProgram(TServices services, TProgramOptions options)
    : Services(services), Options(std::move(options)) {}

TProgram::~TProgram() {
    DestroyWindows();
}

void TProgram::Created(QWidget* window) {
    if (OnWindowCreated) {
        OnWindowCreated(window);
    }
}

void TProgram::CreateWindows() {
    std::unique_ptr<TfrmSplash> splash;
    if (Options.ShowSplash) {
        splash = std::make_unique<TfrmSplash>(Options.ProgramFolder);
        Created(splash.get());
        // On screen and painted now: the catalogue loads before the message loop runs.
        splash->ShowPainted();
    }
    QApplication::setApplicationName(QStringLiteral("Corvane 38"));

    auto* main = new TfrmMain(Services, Options.ProgramFolder);
    FWindows.emplace_back(main);
    Created(main);
    auto add = [this](QWidget* window) {
        FWindows.emplace_back(window);
        Created(window);
        return static_cast<QDialog*>(window);
    };
    auto* order = new TfrmOrder(Services);
    order->SetupFromPartNumber = [main](const std::string& part) {
        main->SetupFromPartNumber(part);
    };
    add(order);
    order->QuoteListFile = [this](TTxtTable& lines, const std::string& file, std::string& report) {
        return cvn::QuoteListFile(lines, file, Services.Prompts, report);
    };
    main->frmOrder = order;
    auto* addOrder = new TfrmAddOrder(Services.Prompts);
    add(addOrder);
    main->frmAddOrder = addOrder;
    order->frmAddOrder = addOrder;
    auto* create = new TfrmCreate(Services.Prompts);
    create->Core().SetupFromPartNumber = [main](const std::string& part) {
        main->SetupFromPartNumber(part);
    };
    main->frmCreate = add(create);
    auto* convert = new TfrmConvert(Services.Prompts);
    convert->Core().SetupFromPartNumber = [main](const std::string& part) {
        main->SetupFromPartNumber(part);
    };
    main->frmConvert = add(convert);
    auto* preview = new TfrmPreview(Services.Prompts);
    add(preview);
    ConnectMainWindow(*main, Services, *preview);

    if (splash) {
        splash->Linger(Options.SplashMilliseconds);
        splash->hide();
    }
}

int TProgram::Run() {
    CreateWindows();
    MainWindow()->show();
    const int code = QApplication::exec();
    DestroyWindows();
    return code;
}

void TProgram::DestroyWindows() {
    while (!FWindows.empty()) {
        FWindows.pop_back();
    }
}

TfrmMain* TProgram::MainWindow() const {
    return FWindows.empty() ? nullptr : static_cast<TfrmMain*>(FWindows.front().get());
}

std::vector<QWidget*> TProgram::Windows() const {
    std::vector<QWidget*> windows;
    for (const auto& window : FWindows) {
        windows.push_back(window.get());
    }
    return windows;
}

} // namespace cvn
