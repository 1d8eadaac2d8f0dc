#include "wizard/Main.h"

#include "entry/SetupFromPartNumber.h"
#include "orders/AddOrderDialog.h"
#include "orders/OrderWindow.h"

#include "app/About.h"
#include "catalogue/RunHandler.h"
#include "catalogue/cvnLib.h"
#include "controls/CVNComboBox.h"
#include "controls/CVNRadioButton.h"
#include "controls/CoreText.h"
#include "controls/Flatten.h"
#include "controls/Form.h"
#include "controls/MPLabel.h"
#include "controls/MultiColumnCombo.h"
#include "controls/Pictures.h"
#include "controls/Place.h"
#include "controls/ProgramFonts.h"
#include "controls/StringGrid.h"
#include "update/UpdateWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <iterator>

namespace cvn {

namespace {

// The code column of every selection list stands out on light grey.
const QColor CodeColumnColor(0xE8, 0xE8, 0xE8);

QGroupBox* PlaceGroup(QWidget* parent, const char* name, const QString& caption, int x, int y,
                      int w, int h) {
    auto* group = Place<QGroupBox>(parent, name, x, y, w, h);
    group->setTitle(caption);
    return group;
}

// A raised caption over one column of a selection list.
TMPLabel* PlaceCaption(QWidget* parent, const char* name, const QString& text, int x, int y,
                       int w) {
    auto* label = new TMPLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(x, y, w, 16);
    label->SetTopColor(Qt::white);
    label->SetBottomColor(QColor(0x80, 0x80, 0x80));
    label->SetBorderWidth(1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

TMultiColumnCombo* PlaceList(QWidget* parent, const char* name, int x, int y, int w,
                             std::initializer_list<int> widths, int dropWidth) {
    auto* list = Place<TMultiColumnCombo>(parent, name, x, y, w, 22);
    for (const int width : widths) {
        list->Columns().Add().SetWidth(width);
    }
    list->Columns()[0].SetColor(CodeColumnColor);
    list->SetEditHeight(16);
    list->SetDropWidth(dropWidth);
    return list;
}

TCVNComboBox* PlaceLengthList(QWidget* parent, const char* name, int x, int y, int w) {
    auto* list = Place<TCVNComboBox>(parent, name, x, y, w, 22);
    list->setFont(TahomaFont(Points8, true));
    QPalette pal = list->palette();
    pal.setColor(QPalette::Text, Navy());
    pal.setColor(QPalette::ButtonText, Navy());
    list->setPalette(pal);
    return list;
}

QLabel* PlacePicture(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* image = Place<QLabel>(parent, name, x, y, w, h);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

// Hands the painting of every grid cell to the window's draw handler.
class TDrawCellDelegate : public QStyledItemDelegate {
public:
    TDrawCellDelegate(const TfrmMain* window, QObject* parent)
        : QStyledItemDelegate(parent), Window(window) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        Window->grdSpecsDrawCell(painter, index.column(), index.row(), option.rect);
        painter->restore();
    }

private:
    const TfrmMain* Window;
};

// The text cut at its end with "..." so that it fits the width, as the grid has always
// shown overlong values.
QString EndEllipsis(const QFontMetrics& metrics, const QString& text, int width) {
    if (metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    const QString dots = QStringLiteral("...");
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut + dots) > width) {
        cut.chop(1);
    }
    return cut + dots;
}

} // namespace

TfrmMain::TfrmMain(TServices services, const std::string& programFolder, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Services(services), FCore(services.Prompts) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Brenmoor Corvane 38"));
    setWindowIcon(ProgramIcon());
    setFont(TahomaFont(Points8));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);
    BuildMenu();
    BuildTop(client);
    Wizard = Place<QStackedWidget>(client, "Wizard", 4, 52, 593, 382);
    WizardPage1 = new QWidget;
    WizardPage1->setObjectName(QStringLiteral("WizardPage1"));
    WizardPage2 = new QWidget;
    WizardPage2->setObjectName(QStringLiteral("WizardPage2"));
    Wizard->addWidget(WizardPage1);
    Wizard->addWidget(WizardPage2);
    BuildScreenOne();
    BuildScreenTwo();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    FormCreate(programFolder);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::BuildMenu() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &TfrmMain::mnuExitClick);

    mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    mnuConvert = mnuOptions->addAction(QStringLiteral("&Convert From Old Part Number"), this,
                                       &TfrmMain::mnuConvertClick);
    mnuCreate = mnuOptions->addAction(QStringLiteral("C&reate From Part Number"), this,
                                      &TfrmMain::mnuCreateClick);
    mnuOptions->addSeparator();
    mnuResetSettings = mnuOptions->addAction(QStringLiteral("Reset &Settings"), this,
                                             &TfrmMain::mnuResetSettingsClick);
    mnuOptions->addSeparator();
    mnuViewOrder =
        mnuOptions->addAction(QStringLiteral("&View Order"), this, &TfrmMain::btnViewOrderClick);
    mnuOptions->addSeparator();
    mnuUpdate = mnuOptions->addAction(QStringLiteral("&Update Corvane (LiveUpdate)"), this,
                                      &TfrmMain::mnuUpdateClick);

    mnuUnits = bar->addMenu(QStringLiteral("&Units"));
    mnuImperial =
        mnuUnits->addAction(QStringLiteral("&Imperial"), this, &TfrmMain::mnuImperialClick);
    mnuMetric = mnuUnits->addAction(QStringLiteral("&Metric"), this, &TfrmMain::mnuMetricClick);
    mnuImperial->setCheckable(true);
    mnuMetric->setCheckable(true);

    mnuHelpMenu = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp = mnuHelpMenu->addAction(QStringLiteral("&Help"), this, &TfrmMain::mnuHelpClick);
    mnuHelpMenu->addSeparator();
    mnuAbout = mnuHelpMenu->addAction(QStringLiteral("&About"), this, &TfrmMain::mnuAboutClick);

    for (QAction* action : {mnuExit, mnuConvert, mnuCreate, mnuResetSettings, mnuViewOrder,
                            mnuUpdate, mnuImperial, mnuMetric, mnuHelp, mnuAbout}) {
        action->setMenuRole(QAction::NoRole);
    }
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuConvert->setObjectName(QStringLiteral("mnuConvert"));
    mnuCreate->setObjectName(QStringLiteral("mnuCreate"));
    mnuResetSettings->setObjectName(QStringLiteral("mnuResetSettings"));
    mnuViewOrder->setObjectName(QStringLiteral("mnuViewOrder"));
    mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    mnuImperial->setObjectName(QStringLiteral("mnuImperial"));
    mnuMetric->setObjectName(QStringLiteral("mnuMetric"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void TfrmMain::BuildTop(QWidget* client) {
    pnlTop = Place<QFrame>(client, "pnlTop", 0, 0, ClientWidth, 48);
    pnlTop->setAutoFillBackground(true);
    QPalette pal = pnlTop->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pnlTop->setPalette(pal);

    imgIcon = Place<QLabel>(pnlTop, "imgIcon", 10, 8, 32, 32);
    Label1 = Place<QLabel>(pnlTop, "Label1", 50, 6, 220, 32);
    Label1->setText(QStringLiteral("Corvane 38"));
    Label1->setFont(TahomaFont(24, true));
    QPalette titlePal = Label1->palette();
    titlePal.setColor(QPalette::WindowText, Navy());
    Label1->setPalette(titlePal);

    // A navy rule along the foot of the panel.
    Shape1 = Place<QFrame>(pnlTop, "Shape1", 0, 46, ClientWidth, 2);
    Shape1->setAutoFillBackground(true);
    QPalette rulePal = Shape1->palette();
    rulePal.setColor(QPalette::Window, Navy());
    Shape1->setPalette(rulePal);

    lblWizard = Place<QLabel>(pnlTop, "lblWizard", 420, 26, 170, 16);
    lblWizard->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWizard->setText(QStringLiteral("Wizard - Screen 1 of 2"));
}

void TfrmMain::BuildScreenOne() {
    QWidget* page = WizardPage1;

    gbxProductType =
        PlaceGroup(page, "gbxProductType", QStringLiteral(" Select Product Type "), 8, 2, 300, 106);
    lblFamily = PlaceCaption(gbxProductType, "lblFamily", QStringLiteral(" Family"), 10, 22, 40);
    lblFamilyType =
        PlaceCaption(gbxProductType, "lblFamilyType", QStringLiteral(" Family Type"), 50, 22, 146);
    cbxProductType = PlaceList(gbxProductType, "cbxProductType", 10, 38, 186, {40, 146}, 220);
    pnlPhoto = Place<QFrame>(gbxProductType, "pnlPhoto", 204, 14, 88, 84);
    pnlPhoto->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlPhoto->setAutoFillBackground(true);
    QPalette white = pnlPhoto->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlPhoto->setPalette(white);
    imgPhoto = PlacePicture(pnlPhoto, "imgPhoto", 2, 2, 84, 80);

    gbxWaveguide =
        PlaceGroup(page, "gbxWaveguide", QStringLiteral(" Select Waveguide "), 8, 112, 300, 68);
    lblWaveguideCode =
        PlaceCaption(gbxWaveguide, "lblWaveguideCode", QStringLiteral(" Code"), 10, 22, 30);
    lblWR = PlaceCaption(gbxWaveguide, "lblWR", QStringLiteral(" WR"), 40, 22, 60);
    lblUSMilitary =
        PlaceCaption(gbxWaveguide, "lblUSMilitary", QStringLiteral(" US Military"), 100, 22, 60);
    lblBritish = PlaceCaption(gbxWaveguide, "lblBritish", QStringLiteral(" British"), 160, 22, 60);
    lblIEC = PlaceCaption(gbxWaveguide, "lblIEC", QStringLiteral(" IEC"), 220, 22, 70);
    cbxWaveguide = PlaceList(gbxWaveguide, "cbxWaveguide", 10, 38, 280, {30, 60, 60, 60, 60}, 280);

    gbxFlangeA = PlaceGroup(page, "gbxFlangeA", QStringLiteral(" Flange A "), 8, 184, 300, 80);
    lblFlangeACode =
        PlaceCaption(gbxFlangeA, "lblFlangeACode", QStringLiteral(" Code"), 10, 22, 30);
    lblFlangeAType =
        PlaceCaption(gbxFlangeA, "lblFlangeAType", QStringLiteral(" Flange Type"), 40, 22, 110);
    lblFlangeAModel =
        PlaceCaption(gbxFlangeA, "lblFlangeAModel", QStringLiteral(" Model"), 150, 22, 66);
    cbxFlangeA = PlaceList(gbxFlangeA, "cbxFlangeA", 10, 38, 206, {30, 110, 66}, 260);
    imgFlangeA = PlacePicture(gbxFlangeA, "imgFlangeA", 226, 16, 64, 56);

    gbxFlangeB = PlaceGroup(page, "gbxFlangeB", QStringLiteral(" Flange B "), 8, 268, 300, 80);
    lblCoaxType = PlaceCaption(gbxFlangeB, "lblCoaxType", QStringLiteral(" Type"), 40, 22, 176);
    lblCode = PlaceCaption(gbxFlangeB, "lblCode", QStringLiteral(" Code"), 10, 22, 30);
    lblFlangeType =
        PlaceCaption(gbxFlangeB, "lblFlangeType", QStringLiteral(" Flange Type"), 40, 22, 110);
    lblModel = PlaceCaption(gbxFlangeB, "lblModel", QStringLiteral(" Model"), 150, 22, 66);
    cbxCoax = PlaceList(gbxFlangeB, "cbxCoax", 10, 38, 206, {30, 176}, 206);
    cbxFlangeB = PlaceList(gbxFlangeB, "cbxFlangeB", 10, 38, 206, {30, 110, 66}, 260);
    imgFlangeB = PlacePicture(gbxFlangeB, "imgFlangeB", 226, 16, 64, 56);

    gbxLength = PlaceGroup(page, "gbxLength", QStringLiteral(" Length "), 316, 2, 269, 346);
    imgBitmap = PlacePicture(gbxLength, "imgBitmap", 10, 20, 249, 228);
    nbLengthPages = Place<QStackedWidget>(gbxLength, "nbLengthPages", 10, 254, 249, 84);

    auto* multi = new QWidget;
    multi->setObjectName(QStringLiteral("MultiLength"));
    cbxLength = PlaceLengthList(multi, "cbxLength", 4, 18, 90);
    lblLength1 = PlaceLabel(multi, "lblLength1", QStringLiteral("inches"), 100, 22);
    chkFlangeAdaptor = Place<QCheckBox>(multi, "chkFlangeAdaptor", 4, 48, 160, 17);
    chkFlangeAdaptor->setText(QStringLiteral("For Flange Adaptor"));

    auto* single = new QWidget;
    single->setObjectName(QStringLiteral("SingleLength"));
    lblPresetLength = PlaceLabel(single, "lblPresetLength", QStringLiteral("Preset Length"), 4, 2);
    txtLength = Place<QLineEdit>(single, "txtLength", 4, 18, 90, 21);
    txtLength->setReadOnly(true);
    lblLength2 = PlaceLabel(single, "lblLength2", QStringLiteral("inches"), 100, 22);

    auto* dual = new QWidget;
    dual->setObjectName(QStringLiteral("DualLength"));
    lblLegALength = PlaceLabel(dual, "lblLegALength", QStringLiteral("Leg A Length"), 4, 2);
    cbxLegALength = PlaceLengthList(dual, "cbxLegALength", 4, 18, 70);
    lblLength3 = PlaceLabel(dual, "lblLength3", QStringLiteral("inches"), 78, 22);
    lblLegBLength = PlaceLabel(dual, "lblLegBLength", QStringLiteral("Leg B Length"), 128, 2);
    cbxLegBLength = PlaceLengthList(dual, "cbxLegBLength", 128, 18, 70);
    lblLength4 = PlaceLabel(dual, "lblLength4", QStringLiteral("inches"), 202, 22);

    nbLengthPages->addWidget(multi);
    nbLengthPages->addWidget(single);
    nbLengthPages->addWidget(dual);
    nbLengthPages->setCurrentIndex(1);

    btnBackDisabled = PlaceButton(page, "btnBackDisabled", QStringLiteral("<< &Back"), 426, 354);
    btnBackDisabled->setEnabled(false);
    btnNext = PlaceButton(page, "btnNext", QStringLiteral("&Next >>"), 510, 354);

    connect(btnNext, &QPushButton::clicked, this, &TfrmMain::btnNextClick);
    connect(cbxProductType, &TMultiColumnCombo::OnChange, this, &TfrmMain::cbxProductTypeChange);
    connect(cbxWaveguide, &TMultiColumnCombo::OnChange, this, &TfrmMain::cbxWaveguideChange);
    connect(cbxFlangeA, &TMultiColumnCombo::OnChange, this, &TfrmMain::cbxFlangeAChange);
    connect(cbxFlangeB, &TMultiColumnCombo::OnChange, this, &TfrmMain::cbxFlangeBChange);
    connect(cbxCoax, &TMultiColumnCombo::OnChange, this, &TfrmMain::cbxCoaxChange);
    connect(cbxLength, &QComboBox::activated, this, &TfrmMain::cbxLengthChange);
    connect(cbxLegALength, &QComboBox::activated, this, &TfrmMain::cbxLegALengthChange);
    connect(cbxLegBLength, &QComboBox::activated, this, &TfrmMain::cbxLegBLengthChange);
    connect(chkFlangeAdaptor, &QCheckBox::clicked, this, &TfrmMain::chkFlangeAdaptorClick);
    for (TCVNComboBox* list : {cbxLength, cbxLegALength, cbxLegBLength}) {
        list->installEventFilter(this);
    }
}

void TfrmMain::BuildScreenTwo() {
    QWidget* page = WizardPage2;

    gbxCreate =
        PlaceGroup(page, "gbxCreate", QStringLiteral(" Create Part Number "), 8, 2, 577, 52);
    btnCreate = PlaceButton(gbxCreate, "btnCreate", QStringLiteral("&Create"), 10, 19);
    txtPartNumber = Place<QLineEdit>(gbxCreate, "txtPartNumber", 91, 20, 150, 23);
    txtPartNumber->setReadOnly(true);
    txtPartNumber->setFont(TahomaFont(Points10, true));
    QPalette partPal = txtPartNumber->palette();
    partPal.setColor(QPalette::Text, Navy());
    txtPartNumber->setPalette(partPal);
    btnAddOrder = PlaceButton(gbxCreate, "btnAddOrder",
                              QStringLiteral("&Add to Order / Check Pricing"), 247, 19, 162);
    btnAddOrder->setEnabled(false);
    btnViewOrder = PlaceButton(gbxCreate, "btnViewOrder", QStringLiteral("&View Order"), 413, 19);
    btnViewSpecs = PlaceButton(gbxCreate, "btnViewSpecs", QStringLiteral("View &Specs"), 492, 19);
    btnViewSpecs->setEnabled(false);

    gbxFinish = PlaceGroup(page, "gbxFinish", QStringLiteral(" Finish "), 12, 58, 193, 106);
    lblFinishCode = PlaceCaption(gbxFinish, "lblFinishCode", QStringLiteral(" Code"), 10, 22, 30);
    lblFinishColor =
        PlaceCaption(gbxFinish, "lblFinishColor", QStringLiteral(" Color"), 40, 22, 130);
    cbxFinish = PlaceList(gbxFinish, "cbxFinish", 10, 38, 170, {30, 140}, 170);

    rgFrequency = PlaceGroup(page, "rgFrequency", QStringLiteral(" Frequency "), 12, 170, 193, 201);
    pnlOtherRangesDock = Place<QFrame>(page, "pnlOtherRangesDock", 20, 346, 177, 23);
    btnOtherFreqRanges = PlaceButton(pnlOtherRangesDock, "btnOtherFreqRanges",
                                     QStringLiteral("Other Frequency Ranges"), 0, 0, 177, 23);
    btnOtherFreqRanges->setFlat(true);
    QPalette otherPal = btnOtherFreqRanges->palette();
    otherPal.setColor(QPalette::ButtonText, Navy());
    btnOtherFreqRanges->setPalette(otherPal);

    gbxDescription =
        PlaceGroup(page, "gbxDescription", QStringLiteral(" Description "), 212, 58, 369, 209);
    grdSpecs = new TStringGrid(4, 11, gbxDescription);
    grdSpecs->setObjectName(QStringLiteral("grdSpecs"));
    grdSpecs->setGeometry(12, 23, 345, 170);
    grdSpecs->SetDefaultRowHeight(15);
    const int widths[] = {10, 52, 105, 174};
    for (int col = 0; col < 4; ++col) {
        grdSpecs->SetColWidth(col, widths[col]);
    }
    grdSpecs->setShowGrid(false);
    grdSpecs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdSpecs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdSpecs->setFont(TahomaFont(Points8, true));
    QPalette gridPal = grdSpecs->palette();
    gridPal.setColor(QPalette::Disabled, QPalette::Text, Navy());
    gridPal.setColor(QPalette::Active, QPalette::Text, Navy());
    // Disabled only to keep the user out; it reads like an enabled grid.
    gridPal.setColor(QPalette::Disabled, QPalette::Base,
                     gridPal.color(QPalette::Active, QPalette::Base));
    grdSpecs->setPalette(gridPal);
    grdSpecs->setEnabled(false);
    grdSpecs->setItemDelegate(new TDrawCellDelegate(this, grdSpecs));

    btnBack = PlaceButton(page, "btnBack", QStringLiteral("<< &Back"), 426, 354);
    btnFinish = PlaceButton(page, "btnFinish", QStringLiteral("&Finish"), 510, 354);

    connect(btnBack, &QPushButton::clicked, this, &TfrmMain::btnBackClick);
    connect(btnFinish, &QPushButton::clicked, this, &TfrmMain::btnFinishClick);
    connect(btnViewOrder, &QPushButton::clicked, this, &TfrmMain::btnViewOrderClick);
    connect(btnAddOrder, &QPushButton::clicked, this, &TfrmMain::btnAddOrderClick);
    connect(cbxFinish, &TMultiColumnCombo::OnChange, this, &TfrmMain::cbxFinishChange);
    connect(btnCreate, &QPushButton::clicked, this, &TfrmMain::btnCreateClick);
    connect(btnOtherFreqRanges, &QPushButton::clicked, this, &TfrmMain::btnOtherFreqRangesClick);
}

void TfrmMain::FormCreate(const std::string& programFolder) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    RunHandler(Services.Prompts, [&] { FCore.FormCreate(programFolder); });
    grdSpecs->ClearSelection();
    imgIcon->setPixmap(ProgramIconPixmap(32));
    FlattenControls(this);
    MirrorState();
}

void TfrmMain::FormClose() {
    RunHandler(Services.Prompts, [&] { FCore.FormClose(); });
    emit FormClosed();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!Closed) {
        Closed = true;
        FormClose();
    }
    event->accept();
}

void TfrmMain::showEvent(QShowEvent* event) {
    if (!Centred) {
        Centred = true;
        CentreOnScreen(this);
    }
    QMainWindow::showEvent(event);
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // After the activation has been handled: the reminder is a modal window of its own.
        QTimer::singleShot(0, this, &TfrmMain::FormActivate);
    }
}

void TfrmMain::FormActivate() {
    // The reminder's own message boxes must not start a second one.
    if (Activating || Closed || !isActiveWindow()) {
        return;
    }
    Activating = true;
    RunUpdateCheck(Services, AppPath, this);
    Activating = false;
}

void TfrmMain::SetupFromPartNumber(const std::string& partNumber) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::exception_ptr failure;
    try {
        cvn::SetupFromPartNumber(FCore, partNumber, Services.Prompts);
    } catch (...) {
        failure = std::current_exception();
    }
    MirrorState();
    // A data error's message is shown with the ordinary cursor, not under the hourglass.
    QApplication::restoreOverrideCursor();
    if (failure) {
        RunHandler(Services.Prompts, [&] { std::rethrow_exception(failure); });
    }
}

void TfrmMain::Handle(const std::function<void()>& handler) {
    RunHandler(Services.Prompts, handler);
    MirrorState();
}

void TfrmMain::MirrorList(TMultiColumnCombo* list, const std::vector<TStrings>& rows, int index) {
    auto& shown = ListRows[list];
    if (shown != rows) {
        list->ComboItems().BeginUpdate();
        list->ComboItems().Clear();
        for (const TStrings& row : rows) {
            TRowItem& item = list->ComboItems().Add();
            for (const std::string& text : row) {
                item.Strings().Add(QStr(text));
            }
        }
        list->ComboItems().EndUpdate();
        shown = rows;
    }
    list->SetItemIndex(index);
}

void TfrmMain::SetLengthListStyle(TCVNComboBox* list, bool editable) {
    if (list->isEditable() == editable) {
        return;
    }
    list->setEditable(editable);
    if (editable) {
        // Typed lengths are checked when the list is left, not completed or collected.
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
        connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, list](const QString& text) {
            LengthChange(list, list->currentIndex(), text);
        });
    }
    FlattenControl(list);
}

void TfrmMain::MirrorLengthList(TCVNComboBox* list, const TLengthList& state) {
    const QSignalBlocker block(list);
    SetLengthListStyle(list, state.Editable);
    list->setEnabled(state.Enabled);
    QStringList imperial;
    QStringList metric;
    QStringList visible;
    for (const std::string& text : state.ImperialItems) {
        imperial << QStr(text);
    }
    for (const std::string& text : state.MetricItems) {
        metric << QStr(text);
    }
    for (const std::string& text : state.Items()) {
        visible << QStr(text);
    }
    list->SetImperialItems(imperial);
    list->SetMetricItems(metric);
    QStringList current;
    for (int i = 0; i < list->count(); ++i) {
        current << list->itemText(i);
    }
    if (current != visible) {
        list->clear();
        list->addItems(visible);
    }
    if (list->currentIndex() != state.ItemIndex) {
        list->setCurrentIndex(state.ItemIndex < list->count() ? state.ItemIndex : -1);
    }
    // An editable list shows what was typed; setting the same text again would move the
    // cursor under the user's hands.
    if (list->isEditable() && list->currentText() != QStr(state.Text)) {
        list->setEditText(QStr(state.Text));
    }
}

void TfrmMain::MirrorWaveguideColumns() {
    const std::vector<int>& widths = FCore.WaveguideColumnWidths;
    TMPLabel* const captions[] = {lblWaveguideCode, lblWR, lblUSMilitary, lblBritish, lblIEC};
    const int right = cbxWaveguide->geometry().right() + 1;
    int x = cbxWaveguide->x();
    for (int c = 0; c < cbxWaveguide->Columns().Count() && c < static_cast<int>(widths.size());
         ++c) {
        const int width = widths[static_cast<std::size_t>(c)];
        if (cbxWaveguide->Columns()[c].Width() != width) {
            cbxWaveguide->Columns()[c].SetWidth(width);
        }
        // Each caption stands over its column as far as the closed box reaches; the
        // last one runs to the box's edge.
        if (c < static_cast<int>(std::size(captions))) {
            const bool last = c + 1 == static_cast<int>(std::size(captions));
            const int shown = last ? right - x : std::min(width, right - x);
            captions[c]->setVisible(shown > 0);
            if (shown > 0) {
                captions[c]->setGeometry(x, captions[c]->y(), shown, captions[c]->height());
            }
        }
        x += width;
    }
    cbxWaveguide->SetDropWidth(FCore.WaveguideDropWidth);
}

void TfrmMain::MirrorFlangeGroups() {
    gbxFlangeA->setTitle(QStr(FCore.FlangeACaption));
    gbxFlangeB->setTitle(QStr(FCore.FlangeBCaption));
    cbxFlangeB->setEnabled(FCore.FlangeBEnabled);
    cbxCoax->setEnabled(FCore.CoaxEnabled);
    lblCode->setEnabled(FCore.CodeCaptionEnabled);
    lblFlangeType->setEnabled(FCore.FlangeTypeCaptionEnabled);
    lblModel->setEnabled(FCore.ModelCaptionEnabled);
    lblCoaxType->setEnabled(FCore.CoaxTypeCaptionEnabled);
    // The list behind is covered whole; hiding it also keeps the keyboard out of it.
    const std::initializer_list<QWidget*> coax = {cbxCoax, lblCoaxType};
    const std::initializer_list<QWidget*> flangeB = {cbxFlangeB, lblFlangeType, lblModel};
    for (QWidget* w : FCore.CoaxInFront ? coax : flangeB) {
        w->raise();
        w->setVisible(true);
    }
    for (QWidget* w : FCore.CoaxInFront ? flangeB : coax) {
        w->lower();
        w->setVisible(false);
    }
}

void TfrmMain::MirrorPicture(QLabel* image, const std::string& name) {
    auto found = Pictures.find(image);
    if (found != Pictures.end() && found->second == name) {
        return;
    }
    ShowPicture(image, name);
    Pictures[image] = name;
}

void TfrmMain::MirrorFrequencyChoices() {
    const std::vector<TFrequencyChoice>& choices = FCore.FrequencyChoices;
    const std::vector<TFrequencyLabel>& labels = FCore.FrequencyLabels;
    bool same =
        FrequencyChoices.size() == choices.size() && FrequencyLabels.size() == labels.size();
    for (std::size_t i = 0; same && i < choices.size(); ++i) {
        const TCVNRadioButton* shown = FrequencyChoices[i];
        same = shown->FreqBand == QStr(choices[i].FreqBand) &&
               shown->FreqRange == QStr(choices[i].FreqRange) &&
               shown->FreqVSWR == QStr(choices[i].FreqVSWR) && shown->y() == choices[i].Top;
    }
    for (std::size_t i = 0; same && i < labels.size(); ++i) {
        same = FrequencyLabels[i]->text() == QStr(labels[i].Caption) &&
               FrequencyLabels[i]->y() == labels[i].Top;
    }
    if (!same) {
        for (TCVNRadioButton* choice : FrequencyChoices) {
            delete choice;
        }
        for (QLabel* label : FrequencyLabels) {
            delete label;
        }
        FrequencyChoices.clear();
        FrequencyLabels.clear();
        for (const TFrequencyLabel& heading : labels) {
            auto* label = new QLabel(QStr(heading.Caption), rgFrequency);
            label->setFont(TahomaFont(Points8));
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText, Navy());
            label->setPalette(pal);
            label->move(FrequencyLayout::LabelLeft, heading.Top);
            label->adjustSize();
            label->show();
            FrequencyLabels.push_back(label);
        }
        for (std::size_t i = 0; i < choices.size(); ++i) {
            auto* button = new TCVNRadioButton(rgFrequency);
            button->setObjectName(QStringLiteral("FrequencyChoice%1").arg(i));
            button->FreqWaveguide = QStr(choices[i].FreqWaveguide);
            button->FreqBand = QStr(choices[i].FreqBand);
            button->FreqRange = QStr(choices[i].FreqRange);
            button->FreqVSWR = QStr(choices[i].FreqVSWR);
            button->setText(QStr(choices[i].Caption()));
            button->setGeometry(FrequencyLayout::ChoiceLeft, choices[i].Top,
                                FrequencyLayout::ChoiceWidth, 17);
            const int index = static_cast<int>(i);
            connect(button, &QRadioButton::clicked, this,
                    [this, index] { Handle([&] { FCore.FrequencyChoiceClick(index); }); });
            button->show();
            FrequencyChoices.push_back(button);
        }
    }
    for (std::size_t i = 0; i < FrequencyChoices.size(); ++i) {
        if (static_cast<int>(i) == FCore.SelectedFrequency) {
            const QSignalBlocker block(FrequencyChoices[i]);
            FrequencyChoices[i]->setChecked(true);
        }
    }
}

void TfrmMain::MirrorSpecGrid() {
    for (int row = 0; row < SpecGridRows; ++row) {
        for (int col = 0; col < SpecGridCols; ++col) {
            const QString text =
                QStr(FCore.SpecGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]);
            if (grdSpecs->Cell(col, row) != text) {
                grdSpecs->SetCell(col, row, text);
            }
        }
    }
}

void TfrmMain::grdSpecsDrawCell(QPainter* painter, int col, int row, const QRect& rect) const {
    const QColor background = row % 2 == 1
                                  ? QColor(0xE8, 0xE8, 0xE8)
                                  : grdSpecs->palette().color(QPalette::Active, QPalette::Base);
    painter->fillRect(rect, background);
    painter->setFont(grdSpecs->font());
    painter->setPen(Navy());
    const QString text =
        EndEllipsis(painter->fontMetrics(), grdSpecs->Cell(col, row), rect.width());
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void TfrmMain::MirrorState() {
    Wizard->setCurrentIndex(FCore.Screen == 2 ? 1 : 0);
    WizardChange();

    MirrorList(cbxProductType, FCore.ProductTypeItems(), FCore.ProductTypeIndex);
    MirrorWaveguideColumns();
    MirrorList(cbxWaveguide, FCore.WaveguideItems(), FCore.WaveguideIndex);
    MirrorList(cbxFlangeA, FCore.FlangeAItems(), FCore.FlangeAIndex);
    MirrorList(cbxFlangeB, FCore.FlangeBItems(), FCore.FlangeBIndex);
    MirrorList(cbxCoax, FCore.CoaxItems(), FCore.CoaxIndex);
    MirrorList(cbxFinish, FCore.FinishItems, FCore.FinishIndex);
    cbxFinish->setEnabled(FCore.FinishEnabled);
    MirrorFlangeGroups();

    nbLengthPages->setCurrentIndex(FCore.LengthPage);
    MirrorLengthList(cbxLength, FCore.Length);
    MirrorLengthList(cbxLegALength, FCore.LegALength);
    MirrorLengthList(cbxLegBLength, FCore.LegBLength);
    txtLength->setText(QStr(FCore.LengthText));
    chkFlangeAdaptor->setChecked(FCore.FlangeAdaptorChecked);
    chkFlangeAdaptor->setVisible(FCore.FlangeAdaptorVisible);

    MirrorPicture(imgPhoto, FCore.PhotoPicture);
    MirrorPicture(imgBitmap, FCore.LengthPicture);
    MirrorPicture(imgFlangeA, FCore.FlangeAPicture);
    MirrorPicture(imgFlangeB, FCore.FlangeBPicture);
    MirrorFrequencyChoices();
    MirrorSpecGrid();

    txtPartNumber->setText(QStr(FCore.PartNumber));
    btnAddOrder->setEnabled(FCore.AddOrderEnabled);
    btnViewSpecs->setEnabled(FCore.ViewSpecsEnabled);

    const QString unit = QStr(FCore.UnitLabel());
    for (QLabel* label : {lblLength1, lblLength2, lblLength3, lblLength4}) {
        label->setText(unit);
        label->adjustSize();
    }
    mnuImperial->setChecked(FCore.ImperialChecked);
    mnuMetric->setChecked(FCore.MetricChecked);
    mnuHelp->setEnabled(FCore.HelpEnabled);
}

void TfrmMain::ShowModalWindow(QDialog* window) {
    if (window) {
        window->exec();
    }
}

void TfrmMain::WizardChange() {
    lblWizard->setText(QStr(FCore.WizardCaption()));
}

void TfrmMain::btnNextClick() {
    Handle([&] { FCore.btnNextClick(); });
}

void TfrmMain::btnBackClick() {
    Handle([&] { FCore.btnBackClick(); });
}

void TfrmMain::btnFinishClick() {
    bool exit = false;
    Handle([&] { exit = FCore.btnFinishClick(); });
    if (exit) {
        close();
    }
}

void TfrmMain::mnuExitClick() {
    close();
}

void TfrmMain::mnuCreateClick() {
    ShowModalWindow(frmCreate);
}

void TfrmMain::mnuConvertClick() {
    ShowModalWindow(frmConvert);
}

void TfrmMain::btnViewOrderClick() {
    if (frmOrder) {
        frmOrder->Execute(FCore.OrderLines);
    }
}

void TfrmMain::btnAddOrderClick() {
    if (!frmAddOrder) {
        return;
    }
    TOrder order;
    order.Quantity = 1;
    order.PartNumber = FCore.PartNumber;
    if (RunHandler(Services.Prompts, [&] { order.Description = FCore.DescribeConfiguration(); })) {
        frmAddOrder->Execute(FCore.OrderLines, order);
    }
}

void TfrmMain::mnuHelpClick() {
    // The desktop opens the help file with whatever handles it; there are no topics.
    Services.Launcher.Open(FCore.HelpFileName());
}

void TfrmMain::mnuUpdateClick() {
    ShowUpdateWindow(Services, AppPath, std::string(), this);
}

void TfrmMain::mnuAboutClick() {
    TfrmAbout about(Services.Launcher, this);
    about.exec();
}

void TfrmMain::mnuResetSettingsClick() {
    Handle([&] { FCore.mnuResetSettingsClick(); });
    cbxProductType->setFocus();
}

void TfrmMain::mnuImperialClick() {
    Handle([&] { FCore.mnuImperialClick(); });
}

void TfrmMain::mnuMetricClick() {
    Handle([&] { FCore.mnuMetricClick(); });
}

void TfrmMain::cbxProductTypeChange() {
    Handle([&] { FCore.cbxProductTypeChange(cbxProductType->ItemIndex()); });
}

void TfrmMain::cbxWaveguideChange() {
    Handle([&] { FCore.cbxWaveguideChange(cbxWaveguide->ItemIndex()); });
}

void TfrmMain::cbxFlangeAChange() {
    Handle([&] { FCore.cbxFlangeAChange(cbxFlangeA->ItemIndex()); });
}

void TfrmMain::cbxFlangeBChange() {
    Handle([&] { FCore.cbxFlangeBChange(cbxFlangeB->ItemIndex()); });
}

void TfrmMain::cbxCoaxChange() {
    Handle([&] { FCore.cbxCoaxChange(cbxCoax->ItemIndex()); });
}

TLengthBox TfrmMain::LengthBoxOf(const QObject* list) const {
    if (list == cbxLegALength) {
        return TLengthBox::LegA;
    }
    return list == cbxLegBLength ? TLengthBox::LegB : TLengthBox::Length;
}

TCVNComboBox* TfrmMain::LengthListOf(TLengthBox box) const {
    switch (box) {
    case TLengthBox::LegA:
        return cbxLegALength;
    case TLengthBox::LegB:
        return cbxLegBLength;
    default:
        return cbxLength;
    }
}

void TfrmMain::LengthChange(TCVNComboBox* list, int index, const QString& text) {
    Handle([&] { FCore.LengthChange(LengthBoxOf(list), index, CoreStr(text)); });
}

void TfrmMain::cbxLengthChange() {
    LengthChange(cbxLength, cbxLength->currentIndex(), cbxLength->currentText());
}

void TfrmMain::cbxLegALengthChange() {
    LengthChange(cbxLegALength, cbxLegALength->currentIndex(), cbxLegALength->currentText());
}

void TfrmMain::cbxLegBLengthChange() {
    LengthChange(cbxLegBLength, cbxLegBLength->currentIndex(), cbxLegBLength->currentText());
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    const bool entering = event->type() == QEvent::FocusIn;
    if ((!entering && event->type() != QEvent::FocusOut) ||
        (watched != cbxLength && watched != cbxLegALength && watched != cbxLegBLength)) {
        return QMainWindow::eventFilter(watched, event);
    }
    const TLengthBox box = LengthBoxOf(watched);
    if (entering) {
        // The list is entered when it becomes the window's current control, however
        // the focus arrives: after a message box the focus may come back only with the
        // window's activation, and the next exit must still be checked.
        if (EnteredLength != box) {
            EnteredLength = box;
            Handle([&] { FCore.cbxLengthEnter(box); });
        }
        return false;
    }
    // Only moves between the window's controls leave it: not the list's own drop-down,
    // a menu, a message box or another program taking the focus for a while.
    switch (static_cast<QFocusEvent*>(event)->reason()) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        break;
    }
    EnteredLength.reset();
    const std::string typed = CoreStr(LengthListOf(box)->currentText());
    FCore.FocusBackTo.reset();
    Handle([&] { FCore.cbxLengthExit(box, typed); });
    if (FCore.FocusBackTo) {
        // After the focus has settled where the user sent it.
        QTimer::singleShot(0, LengthListOf(*FCore.FocusBackTo), qOverload<>(&QWidget::setFocus));
        FCore.FocusBackTo.reset();
    }
    return false;
}

void TfrmMain::chkFlangeAdaptorClick() {
    Handle([&] { FCore.chkFlangeAdaptorClick(chkFlangeAdaptor->isChecked()); });
}

void TfrmMain::cbxFinishChange() {
    Handle([&] { FCore.cbxFinishChange(cbxFinish->ItemIndex()); });
}

void TfrmMain::btnCreateClick() {
    Handle([&] { FCore.btnCreateClick(); });
}

void TfrmMain::btnOtherFreqRangesClick() {
    Handle([&] { FCore.btnOtherFreqRangesClick(); });
}

} // namespace cvn
