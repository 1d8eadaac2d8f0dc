#pragma once

#include "catalogue/TxtTable.h"
#include "printing/Specs.h"

#include <string>

namespace cvn {

class TConfigurator;

// The zoom steps of the preview, by list position; -1 for any other position.
int ZoomPercent(int index);
constexpr int ZoomSteps = 10;
// The position "back to 85 %" returns to.
constexpr int DefaultZoomIndex = 6;

// The print preview's state and rules, without the window: the page shown and the
// zoom, which is remembered in "Corvane.ini".
class TSpecPreview {
public:
    TSpecs Specs;
    TTxtTable SpecRows;
    std::string Caption;
    // cbxPercent's position, always one of the zoom steps.
    int PercentIndex = 0;

    // Once, at program start: the zoom from the settings file; a stored position
    // outside the list falls back to the first.
    void FormCreate();
    // Once, at program end: the zoom to the settings file. A folder that cannot be
    // written only loses the zoom.
    void FormDestroy();
    // The main window's View Specs: the page of its configuration.
    void ViewSpecs(const TConfigurator& wizard);
    void cbxPercentChange(int index);
    // Back to 85 %; false when it was there already, so nothing needs redrawing.
    bool btnSizeClick();

    // The sheet at the current zoom, in screen pixels.
    int PageWidth() const;
    int PageHeight() const;
    // The sheet's left edge that centres it in a view viewWidth wide; negative when
    // the view is narrower than the sheet.
    int PageLeft(int viewWidth) const;

    std::string SettingsFileName() const;
};

} // namespace cvn
