#include "tests/support/ui/SampleProgram.h"

#include "app/MainLinks.h"
#include "controls/CoreText.h"
#include "printing/PreviewWindow.h"
#include "tests/support/ui/MainWidgets.h"
#include "wizard/Main.h"

#include <QTest>

namespace cvn::test {

TSampleProgram::TSampleProgram(const char* settings) {
    Folder.CopySample("Data");
    Folder.CopySample("Images");
    if (settings) {
        Folder.Write("Corvane.ini", settings);
    }
}

TSampleProgram::~TSampleProgram() = default;

TfrmMain& TSampleProgram::Main() {
    if (!Window) {
        Window = std::make_unique<TfrmMain>(Services(), Folder.Path());
        ConnectMainWindow(*Window, Services(), Preview());
    }
    return *Window;
}

TfrmPreview& TSampleProgram::Preview() {
    if (!PreviewWindow) {
        PreviewWindow = std::make_unique<TfrmPreview>(*UsePrompts);
    }
    return *PreviewWindow;
}

void TSampleProgram::Compose(const std::string& partNumber) {
    const TMainWidgets ui(Main());
    Main().SetupFromPartNumber(partNumber);
    QTest::mouseClick(ui.btnNext, Qt::LeftButton);
    QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
    QCOMPARE(ui.txtPartNumber->text(), QStr(partNumber));
}

} // namespace cvn::test
