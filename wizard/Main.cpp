#include "wizard/Main.h"

#include "orders/AddOrderDialog.h"
#include "orders/OrderWindow.h"

#include "catalogue/RunHandler.h"
#include "catalogue/cvnLib.h"
#include "controls/Accessible.h"
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
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <iterator>

namespace cvn {

namespace {

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
    BuildWindow();
    FormCreate(programFolder);
}

TfrmMain::~TfrmMain() = default;

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
    if (RemindOfUpdate) {
        RemindOfUpdate();
    }
    Activating = false;
}

void TfrmMain::SetupFromPartNumber(const std::string& partNumber) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::exception_ptr failure;
    try {
        if (SetUpCore) {
            SetUpCore(FCore, partNumber);
        }
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
            Handle(
                [&] { FCore.LengthTyped(LengthBoxOf(list), list->currentIndex(), CoreStr(text)); });
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
    // Columns that start beyond the closed box's item area are seen only in the open list.
    const int shownRight = cbxWaveguide->x() + cbxWaveguide->ClosedItemRect().right() + 1;
    int x = cbxWaveguide->x();
    for (int c = 0; c < cbxWaveguide->Columns().Count() && c < static_cast<int>(widths.size());
         ++c) {
        const int width = widths[static_cast<std::size_t>(c)];
        if (cbxWaveguide->Columns()[c].Width() != width) {
            cbxWaveguide->Columns()[c].SetWidth(width);
        }
        // Each caption names its column and stands over it as far as the closed box
        // reaches; the last one runs to the box's edge. A caption with no room for its
        // text over the box is left out rather than cut.
        if (c < static_cast<int>(std::size(captions))) {
            TMPLabel* caption = captions[c];
            caption->setText(QStr(FCore.WaveguideCaptions[static_cast<std::size_t>(c)]));
            const bool last = c + 1 == static_cast<int>(std::size(captions));
            const int shown = last ? right - x : std::min(width, right - x);
            const int room = std::min(x + width, shownRight) - x;
            const bool fits = room >= caption->fontMetrics().horizontalAdvance(caption->text());
            caption->setVisible(fits);
            if (fits) {
                caption->setGeometry(x, caption->y(), shown, caption->height());
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
            // Wider than usual when the caption needs it, as far as the box allows.
            const int room = rgFrequency->width() - FrequencyLayout::ChoiceLeft - 3;
            const int width =
                std::max(FrequencyLayout::ChoiceWidth, std::min(button->sizeHint().width(), room));
            button->setGeometry(FrequencyLayout::ChoiceLeft, choices[i].Top, width, 17);
            const int index = static_cast<int>(i);
            connect(button, &QRadioButton::clicked, this,
                    [this, index] { Handle([&] { FCore.FrequencyChoiceClick(index); }); });
            button->show();
            FrequencyChoices.push_back(button);
        }
        // Built after every other control, the choices would come last on Tab; they
        // belong between the finish and the button below them.
        QWidget* previous = cbxFinish;
        for (TCVNRadioButton* button : FrequencyChoices) {
            QWidget::setTabOrder(previous, button);
            previous = button;
        }
        QWidget::setTabOrder(previous, btnOtherFreqRanges);
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
    // Group titles and column captions change with the family.
    NameByCaptions(this);
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

void TfrmMain::btnViewSpecsClick() {
    if (ViewSpecs) {
        ViewSpecs(FCore);
    }
}

void TfrmMain::mnuHelpClick() {
    // The desktop's browser shows the user guide page; there are no topics.
    if (!Services.Launcher.Open(FCore.HelpFileName())) {
        Services.Prompts.Error("Cannot open the user guide " + FCore.HelpFileName());
    }
}

void TfrmMain::mnuUpdateClick() {
    if (ShowUpdate) {
        ShowUpdate();
    }
}

void TfrmMain::mnuAboutClick() {
    if (ShowAbout) {
        ShowAbout();
    }
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
