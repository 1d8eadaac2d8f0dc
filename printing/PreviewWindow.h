#pragma once

#include "controls/Form.h"
#include "printing/QtPrintJobs.h"
#include "printing/SpecPreview.h"

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class QWidget;

namespace cvn {

class TUserPrompts;

// The print preview of the spec page; its caption names the part each time it is
// opened. Each handler hands the event to TSpecPreview and then shows its state.
class TfrmPreview : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 711;
    static constexpr int ClientHeight = 566;

    // Reads the zoom from "Corvane.ini"; prompts shows what goes wrong.
    explicit TfrmPreview(TUserPrompts& prompts, QWidget* parent = nullptr);
    // Writes the zoom back.
    ~TfrmPreview() override;

    TSpecPreview& Core() { return FCore; }
    // Shows the page of Core() at its zoom, modally; View Specs calls it once the
    // core holds the configuration.
    void Open();
    // Caption, zoom list and the page at the zoom, without firing handlers.
    void MirrorState();

    QFrame* pnlToolBar;
    QLabel* Label1;
    QComboBox* cbxPercent;
    QToolButton* btnSize;
    QPushButton* btnPrint;
    QPushButton* btnClose;
    QFrame* Panel1;
    QFrame* Panel2;
    QScrollArea* sbxPreview;
    QWidget* pnlImagePanel;
    QLabel* imgPreview;
    // Asked before printing; tests answer it themselves.
    TPrintDialog PrintDialog1;

    // How often the page has been rendered, so that a zoom that did not change can be
    // seen not to redraw.
    int RenderCount = 0;

public slots:
    void cbxPercentChange();
    void btnSizeClick();
    void btnPrintClick();
    void btnCloseClick();
    void sbxPreviewResize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyZoom();
    void Centre();

    TUserPrompts& Prompts;
    TSpecPreview FCore;
    QWidget* Sheet = nullptr; // the grey ground the page lies on, inside sbxPreview
};

} // namespace cvn
