// Renders every window of the program to PNG files, for looking at the layout
// without a display: corvane38-screenshots FOLDER (run with QT_QPA_PLATFORM=offscreen).

#include "app/Look.h"
#include "app/Program.h"
#include "app/QtServices.h"
#include "app/Splash.h"
#include "catalogue/Files.h"
#include "controls/CoreText.h"
#include "controls/MultiColumnCombo.h"
#include "wizard/Main.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <iterator>

namespace {

// Messages go to stderr: nobody could answer a box here.
class TLoggedPrompts : public cvn::TUserPrompts {
public:
    void Information(const std::string& text) override { Log("information", text); }
    void Error(const std::string& text) override { Log("error", text); }
    bool YesNo(const std::string& text) override {
        Log("confirm", text);
        return false;
    }
    cvn::TDialogResult ConfirmTapered(const std::string& message) override {
        Log("confirm", message);
        return cvn::TDialogResult::Cancel;
    }
    cvn::TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) override {
        Log("confirm", line1 + "\r" + line2);
        return cvn::TDialogResult::Cancel;
    }

private:
    static void Log(const char* kind, const std::string& text) {
        std::fprintf(stderr, "%s: %s\n", kind, qPrintable(cvn::ScreenText(text)));
    }
};

bool Save(QWidget* widget, const QDir& folder, const QString& name) {
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
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
    cvn::TProgram program({prompts, desktop.Launcher, desktop.FileDialogs, desktop.Clock}, options);
    program.CreateWindows();

    bool ok = true;
    cvn::TfrmMain* main = program.MainWindow();
    main->show();
    QApplication::processEvents();
    ok &= Save(main, folder, QStringLiteral("main-screen1"));

    // The product list open, with a family chosen.
    main->cbxProductType->SetItemIndex(main->Core().FamilyTable.RowCount() > 8 ? 8 : 0);
    main->cbxProductType->showPopup();
    QApplication::processEvents();
    ok &= Save(main->cbxProductType->view()->window(), folder, QStringLiteral("main-product-list"));
    main->cbxProductType->hidePopup();
    main->cbxProductTypeChange();
    QApplication::processEvents();
    ok &= Save(main, folder, QStringLiteral("main-screen1-family"));
    main->Core().Screen = 2;
    main->MirrorState();
    QApplication::processEvents();
    ok &= Save(main, folder, QStringLiteral("main-screen2"));

    const char* names[] = {"main", "order", "add-order", "create", "convert", "preview"};
    const std::vector<QWidget*> windows = program.Windows();
    for (std::size_t i = 1; i < windows.size() && i < std::size(names); ++i) {
        windows[i]->show();
        QApplication::processEvents();
        ok &= Save(windows[i], folder, QString::fromLatin1(names[i]));
        windows[i]->hide();
    }
    cvn::TfrmSplash splash;
    splash.show();
    QApplication::processEvents();
    ok &= Save(&splash, folder, QStringLiteral("splash"));
    return ok ? 0 : 1;
}
