#include "printing/SpecPreview.h"

#include "catalogue/Errors.h"
#include "catalogue/IniFile.h"
#include "catalogue/cvnLib.h"
#include "printing/CVPrint.h"
#include "wizard/Configurator.h"

#include <string>

namespace cvn {

int ZoomPercent(int index) {
    static constexpr int percents[ZoomSteps] = {40, 50, 60, 70, 75, 80, 85, 90, 100, 110};
    return index >= 0 && index < ZoomSteps ? percents[index] : -1;
}

std::string TSpecPreview::SettingsFileName() const {
    return AppPath + "Corvane.ini";
}

void TSpecPreview::FormCreate() {
    const int stored = ReadIniInteger(SettingsFileName(), "PREVIEW", "size", 0);
    PercentIndex = ZoomPercent(stored) < 0 ? 0 : stored;
}

void TSpecPreview::FormDestroy() {
    try {
        WriteIniString(SettingsFileName(), "PREVIEW", "size", std::to_string(PercentIndex));
    } catch (const EFCreateError&) {
        // A read-only program folder only loses the zoom; the program still ends.
    }
}

void TSpecPreview::ViewSpecs(const TConfigurator& wizard) {
    Specs = SpecsOf(wizard);
    FillSpecRows(wizard.SpecGrid, SpecRows);
    Caption = "Preview Part Number: " + wizard.PartNumber;
}

void TSpecPreview::cbxPercentChange(int index) {
    if (ZoomPercent(index) >= 0) {
        PercentIndex = index;
    }
}

bool TSpecPreview::btnSizeClick() {
    if (PercentIndex == DefaultZoomIndex) {
        return false;
    }
    PercentIndex = DefaultZoomIndex;
    return true;
}

int TSpecPreview::PageWidth() const {
    return RoundHalfEven(850.0L * ZoomPercent(PercentIndex) / 100);
}

int TSpecPreview::PageHeight() const {
    return RoundHalfEven(1100.0L * ZoomPercent(PercentIndex) / 100);
}

int TSpecPreview::PageLeft(int viewWidth) const {
    return (viewWidth - PageWidth()) / 2;
}

} // namespace cvn
