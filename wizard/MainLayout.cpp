#include "wizard/Main.h"

#include "controls/Accessible.h"
#include "controls/CVNComboBox.h"
#include "controls/MPLabel.h"
#include "controls/MultiColumnCombo.h"
#include "controls/Pictures.h"
#include "controls/Place.h"
#include "controls/ProgramFonts.h"
#include "controls/StringGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyledItemDelegate>

#include <initializer_list>

// The main window's widgets at their fixed pixel positions; Main.cpp fills them from the
// configurator and handles their events.

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

} // namespace

void TfrmMain::BuildWindow() {
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
}

void TfrmMain::BuildMenu() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &TfrmMain::mnuExitClick);

    mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuConvert = mnuOptions->addAction(QStringLiteral("&Convert From Old Part Number"), this,
                                       &TfrmMain::mnuConvertClick);
    mnuCreate = mnuOptions->addAction(QStringLiteral("C&reate From Part Number"), this,
                                      &TfrmMain::mnuCreateClick);
    mnuFindSize = mnuOptions->addAction(QStringLiteral("Find Size by &Frequency\u2026"), this,
                                        &TfrmMain::mnuFindSizeClick);
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
    mnuUnits->setObjectName(QStringLiteral("mnuUnits"));
    mnuImperial =
        mnuUnits->addAction(QStringLiteral("&Imperial"), this, &TfrmMain::mnuImperialClick);
    mnuMetric = mnuUnits->addAction(QStringLiteral("&Metric"), this, &TfrmMain::mnuMetricClick);
    mnuImperial->setCheckable(true);
    mnuMetric->setCheckable(true);

    mnuHelpMenu = bar->addMenu(QStringLiteral("&Help"));
    mnuHelpMenu->setObjectName(QStringLiteral("mnuHelpMenu"));
    mnuHelp = mnuHelpMenu->addAction(QStringLiteral("&Help"), this, &TfrmMain::mnuHelpClick);
    mnuHelpMenu->addSeparator();
    mnuAbout = mnuHelpMenu->addAction(QStringLiteral("&About"), this, &TfrmMain::mnuAboutClick);

    for (QAction* action : {mnuExit, mnuConvert, mnuCreate, mnuFindSize, mnuResetSettings,
                            mnuViewOrder, mnuUpdate, mnuImperial, mnuMetric, mnuHelp, mnuAbout}) {
        action->setMenuRole(QAction::NoRole);
    }
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuConvert->setObjectName(QStringLiteral("mnuConvert"));
    mnuCreate->setObjectName(QStringLiteral("mnuCreate"));
    mnuFindSize->setObjectName(QStringLiteral("mnuFindSize"));
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
        PlaceGroup(page, "gbxProductType", QStringLiteral(" Select Product Type "), 8, 2, 312, 106);
    lblFamily = PlaceCaption(gbxProductType, "lblFamily", QStringLiteral(" Family"), 10, 22, 38);
    lblFamilyType =
        PlaceCaption(gbxProductType, "lblFamilyType", QStringLiteral(" Family Type"), 48, 22, 176);
    cbxProductType = PlaceList(gbxProductType, "cbxProductType", 10, 38, 214, {38, 176}, 220);
    pnlPhoto = Place<QFrame>(gbxProductType, "pnlPhoto", 230, 14, 74, 84);
    pnlPhoto->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlPhoto->setAutoFillBackground(true);
    QPalette white = pnlPhoto->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlPhoto->setPalette(white);
    imgPhoto = PlacePicture(pnlPhoto, "imgPhoto", 2, 2, 70, 80);

    gbxWaveguide =
        PlaceGroup(page, "gbxWaveguide", QStringLiteral(" Select Waveguide "), 8, 112, 312, 68);
    lblWaveguideCode =
        PlaceCaption(gbxWaveguide, "lblWaveguideCode", QStringLiteral(" Code"), 10, 22, 30);
    lblWR = PlaceCaption(gbxWaveguide, "lblWR", QStringLiteral(" WR"), 40, 22, 60);
    lblUSMilitary =
        PlaceCaption(gbxWaveguide, "lblUSMilitary", QStringLiteral(" US Military"), 100, 22, 60);
    lblBritish = PlaceCaption(gbxWaveguide, "lblBritish", QStringLiteral(" British"), 160, 22, 60);
    lblIEC = PlaceCaption(gbxWaveguide, "lblIEC", QStringLiteral(" IEC"), 220, 22, 70);
    cbxWaveguide = PlaceList(gbxWaveguide, "cbxWaveguide", 10, 38, 280, {30, 60, 60, 60, 60}, 280);

    gbxFlangeA = PlaceGroup(page, "gbxFlangeA", QStringLiteral(" Flange A "), 8, 184, 312, 80);
    lblFlangeACode =
        PlaceCaption(gbxFlangeA, "lblFlangeACode", QStringLiteral(" Code"), 10, 22, 30);
    lblFlangeAType =
        PlaceCaption(gbxFlangeA, "lblFlangeAType", QStringLiteral(" Flange Type"), 40, 22, 84);
    lblFlangeAModel =
        PlaceCaption(gbxFlangeA, "lblFlangeAModel", QStringLiteral(" Model"), 124, 22, 104);
    cbxFlangeA = PlaceList(gbxFlangeA, "cbxFlangeA", 10, 38, 218, {30, 84, 104}, 260);
    imgFlangeA = PlacePicture(gbxFlangeA, "imgFlangeA", 238, 16, 64, 56);

    gbxFlangeB = PlaceGroup(page, "gbxFlangeB", QStringLiteral(" Flange B "), 8, 268, 312, 80);
    lblCoaxType = PlaceCaption(gbxFlangeB, "lblCoaxType", QStringLiteral(" Type"), 40, 22, 188);
    lblCode = PlaceCaption(gbxFlangeB, "lblCode", QStringLiteral(" Code"), 10, 22, 30);
    lblFlangeType =
        PlaceCaption(gbxFlangeB, "lblFlangeType", QStringLiteral(" Flange Type"), 40, 22, 84);
    lblModel = PlaceCaption(gbxFlangeB, "lblModel", QStringLiteral(" Model"), 124, 22, 104);
    cbxCoax = PlaceList(gbxFlangeB, "cbxCoax", 10, 38, 218, {30, 188}, 218);
    cbxFlangeB = PlaceList(gbxFlangeB, "cbxFlangeB", 10, 38, 218, {30, 84, 104}, 260);
    imgFlangeB = PlacePicture(gbxFlangeB, "imgFlangeB", 238, 16, 64, 56);

    gbxLength = PlaceGroup(page, "gbxLength", QStringLiteral(" Length "), 328, 2, 257, 346);
    imgBitmap = PlacePicture(gbxLength, "imgBitmap", 10, 20, 237, 228);
    nbLengthPages = Place<QStackedWidget>(gbxLength, "nbLengthPages", 10, 254, 237, 84);

    auto* multi = new QWidget;
    multi->setObjectName(QStringLiteral("MultiLength"));
    cbxLength = PlaceLengthList(multi, "cbxLength", 4, 18, 90);
    lblLength1 = PlaceLabel(multi, "lblLength1", QStringLiteral("inches"), 100, 22);
    NameAfter(cbxLength, QStringLiteral("Length"));
    chkFlangeAdaptor = Place<QCheckBox>(multi, "chkFlangeAdaptor", 4, 48, 160, 17);
    chkFlangeAdaptor->setText(QStringLiteral("For Flange Adaptor"));

    auto* single = new QWidget;
    single->setObjectName(QStringLiteral("SingleLength"));
    lblPresetLength = PlaceLabel(single, "lblPresetLength", QStringLiteral("Preset Length"), 4, 2);
    txtLength = Place<QLineEdit>(single, "txtLength", 4, 18, 90, 21);
    txtLength->setReadOnly(true);
    lblLength2 = PlaceLabel(single, "lblLength2", QStringLiteral("inches"), 100, 22);
    lblPresetLength->setBuddy(txtLength);

    auto* dual = new QWidget;
    dual->setObjectName(QStringLiteral("DualLength"));
    lblLegALength = PlaceLabel(dual, "lblLegALength", QStringLiteral("Leg A Length"), 4, 2);
    cbxLegALength = PlaceLengthList(dual, "cbxLegALength", 4, 18, 70);
    lblLength3 = PlaceLabel(dual, "lblLength3", QStringLiteral("inches"), 78, 22);
    lblLegBLength = PlaceLabel(dual, "lblLegBLength", QStringLiteral("Leg B Length"), 128, 2);
    cbxLegBLength = PlaceLengthList(dual, "cbxLegBLength", 128, 18, 70);
    lblLength4 = PlaceLabel(dual, "lblLength4", QStringLiteral("inches"), 202, 22);
    lblLegALength->setBuddy(cbxLegALength);
    lblLegBLength->setBuddy(cbxLegBLength);

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
    NameAfter(txtPartNumber, QStringLiteral("Part Number"));
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

    // The left column and the description beside it are 12 pixels wider and narrower than
    // first drawn: the longest frequency caption, "5.925-6.425 GHz / VSWR: 1.25:1", needs
    // 186 pixels beside its radio circle, and 170 cut it.
    gbxFinish = PlaceGroup(page, "gbxFinish", QStringLiteral(" Finish "), 12, 58, 205, 106);
    lblFinishCode = PlaceCaption(gbxFinish, "lblFinishCode", QStringLiteral(" Code"), 10, 22, 30);
    lblFinishColor =
        PlaceCaption(gbxFinish, "lblFinishColor", QStringLiteral(" Color"), 40, 22, 130);
    cbxFinish = PlaceList(gbxFinish, "cbxFinish", 10, 38, 170, {30, 140}, 170);

    rgFrequency = PlaceGroup(page, "rgFrequency", QStringLiteral(" Frequency "), 12, 170, 205, 201);
    pnlOtherRangesDock = Place<QFrame>(page, "pnlOtherRangesDock", 20, 346, 177, 23);
    btnOtherFreqRanges = PlaceButton(pnlOtherRangesDock, "btnOtherFreqRanges",
                                     QStringLiteral("Other Frequency Ranges"), 0, 0, 177, 23);
    btnOtherFreqRanges->setFlat(true);
    QPalette otherPal = btnOtherFreqRanges->palette();
    otherPal.setColor(QPalette::ButtonText, Navy());
    btnOtherFreqRanges->setPalette(otherPal);

    gbxDescription =
        PlaceGroup(page, "gbxDescription", QStringLiteral(" Description "), 224, 58, 361, 209);
    grdSpecs = new TStringGrid(4, 11, gbxDescription);
    grdSpecs->setObjectName(QStringLiteral("grdSpecs"));
    // The value column is 12 pixels wider than first drawn, for the longest frequency
    // caption in bold (182 pixels; 174 cut its VSWR with "...").
    grdSpecs->setGeometry(4, 23, 353, 170);
    grdSpecs->SetDefaultRowHeight(15);
    const int widths[] = {10, 52, 105, 186};
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
    connect(btnViewSpecs, &QPushButton::clicked, this, &TfrmMain::btnViewSpecsClick);
    connect(btnAddOrder, &QPushButton::clicked, this, &TfrmMain::btnAddOrderClick);
    connect(cbxFinish, &TMultiColumnCombo::OnChange, this, &TfrmMain::cbxFinishChange);
    connect(btnCreate, &QPushButton::clicked, this, &TfrmMain::btnCreateClick);
    connect(btnOtherFreqRanges, &QPushButton::clicked, this, &TfrmMain::btnOtherFreqRangesClick);
}

} // namespace cvn
