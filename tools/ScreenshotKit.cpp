#include "tools/ScreenshotKit.h"

#include "catalogue/Files.h"
#include "catalogue/IniFile.h"
#include "catalogue/TableColumns.h"
#include "catalogue/cvnLib.h"
#include "controls/CVNComboBox.h"
#include "controls/CoreText.h"
#include "update/DateText.h"
#include "update/Update.h"
#include "update/UpdateWindow.h"

#include <cstdio>

namespace cvn::shots {

void TLoggedPrompts::Log(const char* kind, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", kind, qPrintable(cvn::ScreenText(text)));
}

void ChooseThroughWindow(cvn::TfrmMain& main, int family, const char* size) {
    auto* cbxProductType = Widget(main, "cbxProductType");
    auto* cbxWaveguide = Widget(main, "cbxWaveguide");
    auto* cbxFlangeA = Widget(main, "cbxFlangeA");
    auto* cbxFlangeB = Widget(main, "cbxFlangeB");
    auto* cbxCoax = Widget(main, "cbxCoax");
    cbxProductType->SetItemIndex(family);
    main.cbxProductTypeChange();
    const cvn::TTxtTable& sizes = main.Core().WaveguideList;
    for (int r = 0; r < sizes.RowCount(); ++r) {
        if (sizes.GetField(r, cvn::WaveguideColumn::Code) == size) {
            cbxWaveguide->SetItemIndex(r);
            main.cbxWaveguideChange();
            break;
        }
    }
    if (cbxFlangeA->ItemIndex() < 0 && cbxFlangeA->count() > 0) {
        cbxFlangeA->SetItemIndex(0);
        main.cbxFlangeAChange();
    }
    if (cbxFlangeB->isVisible() && cbxFlangeB->isEnabled() && cbxFlangeB->ItemIndex() < 0 &&
        cbxFlangeB->count() > 0) {
        cbxFlangeB->SetItemIndex(cbxFlangeB->count() - 1);
        main.cbxFlangeBChange();
    }
    if (cbxCoax->isVisible() && cbxCoax->ItemIndex() < 0 && cbxCoax->count() > 0) {
        cbxCoax->SetItemIndex(0);
        main.cbxCoaxChange();
    }
}

namespace {

// Picks the item whose code is given, through the window's own handler.
void PickCode(cvn::TMultiColumnCombo* list, const cvn::TTxtTable& rows, const char* code,
              void (cvn::TfrmMain::*handler)(), cvn::TfrmMain& main) {
    const int row = cvn::FindRow(rows, cvn::FlangeColumn::Code, code);
    if (row >= 0) {
        list->SetItemIndex(row);
        (main.*handler)();
    }
}

} // namespace

void Configure(cvn::TfrmMain& main, int family, const char* size, const char* flangeA,
               const char* flangeB) {
    ChooseThroughWindow(main, family, size);
    PickCode(Widget(main, "cbxFlangeA"), main.Core().FlangeAList, flangeA,
             &cvn::TfrmMain::cbxFlangeAChange, main);
    PickCode(Widget(main, "cbxFlangeB"), main.Core().FlangeBList, flangeB,
             &cvn::TfrmMain::cbxFlangeBChange, main);
    if (main.Core().LengthPage == 2) {
        auto* legB = Widget<cvn::TCVNComboBox>(main, "cbxLegBLength");
        legB->setCurrentIndex(legB->count() - 1);
        main.cbxLegBLengthChange();
    }
    main.btnNextClick();
    main.btnCreateClick();
}

TUpdateSettingsKept::TUpdateSettingsKept(const std::string& programFolder)
    : File(cvn::UpdateIniFile(programFolder)) {
    std::string error;
    Existed = cvn::ReadWholeFile(File, Bytes, error);
    const std::string pattern = cvn::NumericDatePattern(cvn::SystemShortDatePattern());
    cvn::WriteIniString(File, cvn::UpdateSection, "date",
                        cvn::FormatShortDate(std::chrono::year{9999} / 12 / 31, pattern));
}
TUpdateSettingsKept::~TUpdateSettingsKept() {
    if (Existed) {
        cvn::WriteFileAtomic(File, Bytes);
    } else {
        std::remove(File.c_str());
    }
}

bool Save(QWidget* widget, const QDir& folder, const QString& name) {
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

bool SaveImage(const QImage& image, const QDir& folder, const QString& name) {
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace cvn::shots
