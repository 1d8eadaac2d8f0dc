#pragma once

#include "catalogue/Services.h"
#include "wizard/Configurator.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QPushButton;
class QRect;
class QStackedWidget;

namespace cvn {

class TCVNComboBox;
class TfrmAddOrder;
class TfrmOrder;
class TCVNRadioButton;
class TMPLabel;
class TMultiColumnCombo;
class TStringGrid;

// The main window: the two-screen wizard and the menu that reaches every other
// window. Each handler hands the event to the configurator and then shows its state.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 601;
    static constexpr int ClientHeight = 436;

    // Runs FormCreate with programFolder as the program's folder.
    TfrmMain(TServices services, const std::string& programFolder, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TConfigurator& Core() { return FCore; }
    // Shows the configurator's state in the controls, without firing their handlers.
    void MirrorState();
    // Sets the wizard up from a part number (the Quick Builder, the Convert dialog),
    // with the hourglass shown meanwhile.
    void SetupFromPartNumber(const std::string& partNumber);

    // The start-up windows this window opens; set by the program entry.
    TfrmOrder* frmOrder = nullptr;
    TfrmAddOrder* frmAddOrder = nullptr;
    QDialog* frmCreate = nullptr;
    QDialog* frmConvert = nullptr;

    // What the main window opens in the subsystems above it, handed in by the program
    // entry (ConnectMainWindow); one left empty does nothing.
    // Sets the configurator up from a part number (SetupFromPartNumber runs it).
    std::function<void(TConfigurator&, const std::string&)> SetUpCore;
    // View Specs: the preview of the composed part's spec sheet.
    std::function<void(const TConfigurator&)> ViewSpecs;
    // Help > Check for Updates, and the reminder at each activation while it is due.
    std::function<void()> ShowUpdate;
    std::function<void()> RemindOfUpdate;
    std::function<void()> ShowAbout;

    // Draws one cell of grdSpecs: odd rows on light grey, one line, vertically centred,
    // cut with "..." when it does not fit.
    void grdSpecsDrawCell(QPainter* painter, int col, int row, const QRect& rect) const;

signals:
    // FormClose has run: settings and site list written, tables freed.
    void FormClosed();

public slots:
    void WizardChange();
    void btnNextClick();
    void btnBackClick();
    void btnFinishClick();
    void mnuExitClick();
    void mnuCreateClick();
    void mnuConvertClick();
    void mnuFindSizeClick();
    void btnViewOrderClick();
    void btnAddOrderClick();
    void btnViewSpecsClick();
    void mnuHelpClick();
    void mnuUpdateClick();
    void mnuAboutClick();
    // Every time the window becomes the active one: the update reminder when due.
    void FormActivate();
    void mnuResetSettingsClick();
    void mnuImperialClick();
    void mnuMetricClick();
    void cbxProductTypeChange();
    void cbxWaveguideChange();
    void cbxFlangeAChange();
    void cbxFlangeBChange();
    void cbxCoaxChange();
    void cbxLengthChange();
    void cbxLegALengthChange();
    void cbxLegBLengthChange();
    void chkFlangeAdaptorClick();
    void cbxFinishChange();
    void btnCreateClick();
    void btnOtherFreqRangesClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Entering and leaving the length lists.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The widgets; tests and tools find them by object name.
    // Menu.
    QMenu* mnuFile;
    QAction* mnuExit;
    QMenu* mnuOptions;
    QAction* mnuConvert;
    QAction* mnuCreate;
    QAction* mnuFindSize;
    QAction* mnuResetSettings;
    QAction* mnuViewOrder;
    QAction* mnuUpdate;
    QMenu* mnuUnits;
    QAction* mnuImperial;
    QAction* mnuMetric;
    QMenu* mnuHelpMenu;
    QAction* mnuHelp;
    QAction* mnuAbout;

    // Top panel.
    QFrame* pnlTop;
    QLabel* Label1;
    QLabel* imgIcon;
    QFrame* Shape1;
    QLabel* lblWizard;

    QStackedWidget* Wizard;
    QWidget* WizardPage1;
    QWidget* WizardPage2;

    // Screen 1.
    QGroupBox* gbxProductType;
    TMPLabel* lblFamily;
    TMPLabel* lblFamilyType;
    TMultiColumnCombo* cbxProductType;
    QFrame* pnlPhoto;
    QLabel* imgPhoto;
    QGroupBox* gbxWaveguide;
    TMPLabel* lblWaveguideCode;
    TMPLabel* lblWR;
    TMPLabel* lblUSMilitary;
    TMPLabel* lblBritish;
    TMPLabel* lblIEC;
    TMultiColumnCombo* cbxWaveguide;
    QGroupBox* gbxFlangeA;
    TMPLabel* lblFlangeACode;
    TMPLabel* lblFlangeAType;
    TMPLabel* lblFlangeAModel;
    TMultiColumnCombo* cbxFlangeA;
    QLabel* imgFlangeA;
    QGroupBox* gbxLength;
    QLabel* imgBitmap;
    QStackedWidget* nbLengthPages;
    TCVNComboBox* cbxLength;
    QCheckBox* chkFlangeAdaptor;
    QLabel* lblLength1;
    QLabel* lblPresetLength;
    QLineEdit* txtLength;
    QLabel* lblLength2;
    QLabel* lblLegALength;
    TCVNComboBox* cbxLegALength;
    QLabel* lblLength3;
    QLabel* lblLegBLength;
    TCVNComboBox* cbxLegBLength;
    QLabel* lblLength4;
    QGroupBox* gbxFlangeB;
    TMPLabel* lblCode;
    TMPLabel* lblFlangeType;
    TMPLabel* lblModel;
    TMPLabel* lblCoaxType;
    TMultiColumnCombo* cbxFlangeB;
    TMultiColumnCombo* cbxCoax;
    QLabel* imgFlangeB;
    QPushButton* btnBackDisabled;
    QPushButton* btnNext;

    // Screen 2.
    QGroupBox* gbxFinish;
    TMPLabel* lblFinishCode;
    TMPLabel* lblFinishColor;
    TMultiColumnCombo* cbxFinish;
    QGroupBox* rgFrequency;
    QFrame* pnlOtherRangesDock;
    QPushButton* btnOtherFreqRanges;
    QGroupBox* gbxCreate;
    QPushButton* btnCreate;
    QLineEdit* txtPartNumber;
    QPushButton* btnAddOrder;
    QPushButton* btnViewOrder;
    QPushButton* btnViewSpecs;
    QGroupBox* gbxDescription;
    TStringGrid* grdSpecs;
    QPushButton* btnBack;
    QPushButton* btnFinish;

    // The frequency choices and their "Wide Band" / "Narrow Band" headings inside
    // rgFrequency, built to match the configurator's.
    std::vector<TCVNRadioButton*> FrequencyChoices;
    std::vector<QLabel*> FrequencyLabels;

    // MainLayout.cpp: the widgets at their fixed positions, wired to the handlers.
    void BuildWindow();
    void BuildMenu();
    void BuildTop(QWidget* client);
    void BuildScreenOne();
    void BuildScreenTwo();
    void FormCreate(const std::string& programFolder);
    void FormClose();
    void Handle(const std::function<void()>& handler);
    void MirrorList(TMultiColumnCombo* list, const std::vector<TStrings>& rows, int index);
    void MirrorLengthList(TCVNComboBox* list, const TLengthList& state);
    void MirrorWaveguideColumns();
    void MirrorFlangeGroups();
    void SetLengthListStyle(TCVNComboBox* list, bool editable);
    void LengthChange(TCVNComboBox* list, int index, const QString& text);
    TLengthBox LengthBoxOf(const QObject* list) const;
    TCVNComboBox* LengthListOf(TLengthBox box) const;
    void MirrorPicture(QLabel* image, const std::string& name);
    void MirrorFrequencyChoices();
    void MirrorSpecGrid();
    void ShowModalWindow(QDialog* window);

    TServices Services;
    TConfigurator FCore;
    std::map<QWidget*, std::vector<TStrings>> ListRows;
    std::map<QLabel*, std::string> Pictures;
    bool Closed = false;
    bool Centred = false;
    // The length list the focus is in, between its enter and its exit.
    std::optional<TLengthBox> EnteredLength;
    bool Activating = false;
};

} // namespace cvn
