#include "printing/PreviewWindow.h"

#include "catalogue/RunHandler.h"
#include "controls/Accessible.h"
#include "controls/CoreText.h"
#include "controls/Flatten.h"
#include "controls/Place.h"
#include "printing/QtPrintPages.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

namespace cvn {

namespace {

// btnSize's picture: a page under a magnifier.
QIcon SizeIcon() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 0.5, 9, 12));
    painter.setPen(QPen(QColor(0, 0, 0x80), 1.6));
    painter.setBrush(QColor(200, 220, 255));
    painter.drawEllipse(QRectF(6, 6, 6.5, 6.5));
    painter.drawLine(QPointF(11.8, 11.8), QPointF(15, 15));
    return QIcon(picture);
}

QFrame* PlaceLoweredPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    return panel;
}

} // namespace

TfrmPreview::TfrmPreview(TUserPrompts& prompts, QWidget* parent)
    : TForm(QStringLiteral("Preview"), ClientWidth, ClientHeight, parent), Prompts(prompts) {
    setObjectName(QStringLiteral("frmPreview"));
    PrintDialog1 = SystemPrintDialog(this);

    pnlToolBar = Place<QFrame>(this, "pnlToolBar", 0, 0, ClientWidth, 27);
    Label1 = PlaceLabel(pnlToolBar, "Label1", QStringLiteral("Preview Size"), 7, 7);
    cbxPercent = Place<QComboBox>(pnlToolBar, "cbxPercent", 73, 3, 105, 21);
    for (int i = 0; i < ZoomSteps; ++i) {
        cbxPercent->addItem(QStringLiteral("%1 %").arg(ZoomPercent(i)));
    }
    Label1->setBuddy(cbxPercent);
    btnSize = Place<QToolButton>(pnlToolBar, "btnSize", 181, 2, 25, 22);
    btnSize->setAutoRaise(true);
    btnSize->setIcon(SizeIcon());
    btnSize->setToolTip(QStringLiteral("85 %"));
    // A picture only: a screen reader says what it sets the preview to.
    NameAfter(btnSize, btnSize->toolTip());
    btnPrint = PlaceButton(pnlToolBar, "btnPrint", QStringLiteral("&Print"), 236, 2, 67, 22);
    btnClose = PlaceButton(pnlToolBar, "btnClose", QStringLiteral("&Close"), 308, 2, 66, 22);
    for (QPushButton* button : {btnPrint, btnClose}) {
        button->setFlat(true);
        button->setAutoDefault(false);
    }

    Panel1 = PlaceLoweredPanel(this, "Panel1");
    Panel1->setGeometry(0, ClientHeight - 18, ClientWidth, 18);
    Panel2 = PlaceLoweredPanel(this, "Panel2");
    Panel2->setGeometry(0, 27, ClientWidth, ClientHeight - 27 - 18);
    sbxPreview = new QScrollArea(Panel2);
    sbxPreview->setObjectName(QStringLiteral("sbxPreview"));
    sbxPreview->setFrameShape(QFrame::NoFrame);
    sbxPreview->setGeometry(Panel2->contentsRect());
    sbxPreview->setWidgetResizable(false);
    Sheet = new QWidget;
    Sheet->setObjectName(QStringLiteral("Sheet"));
    Sheet->setAutoFillBackground(true);
    QPalette grey = Sheet->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    Sheet->setPalette(grey);
    sbxPreview->viewport()->setPalette(grey);
    sbxPreview->viewport()->setAutoFillBackground(true);
    sbxPreview->setWidget(Sheet);
    pnlImagePanel = new QWidget(Sheet);
    pnlImagePanel->setObjectName(QStringLiteral("pnlImagePanel"));
    pnlImagePanel->setAutoFillBackground(true);
    QPalette white = pnlImagePanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlImagePanel->setPalette(white);
    imgPreview = new QLabel(pnlImagePanel);
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    sbxPreview->viewport()->installEventFilter(this);

    connect(cbxPercent, &QComboBox::currentIndexChanged, this, &TfrmPreview::cbxPercentChange);
    connect(btnSize, &QToolButton::clicked, this, &TfrmPreview::btnSizeClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmPreview::btnPrintClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmPreview::btnCloseClick);

    RunHandler(Prompts, [&] { FCore.FormCreate(); });
    {
        const QSignalBlocker blocker(cbxPercent);
        cbxPercent->setCurrentIndex(FCore.PercentIndex);
    }
    FlattenControl(cbxPercent);
}

TfrmPreview::~TfrmPreview() {
    RunHandler(Prompts, [&] { FCore.FormDestroy(); });
}

void TfrmPreview::Open() {
    MirrorState();
    // A new page is read from its top, wherever the last one was left scrolled.
    sbxPreview->verticalScrollBar()->setValue(0);
    exec();
}

void TfrmPreview::MirrorState() {
    setWindowTitle(QStr(FCore.Caption));
    {
        const QSignalBlocker blocker(cbxPercent);
        cbxPercent->setCurrentIndex(FCore.PercentIndex);
    }
    ApplyZoom();
}

void TfrmPreview::ApplyZoom() {
    // Frozen while it is rebuilt, so the old page never shows at the new size.
    pnlImagePanel->setUpdatesEnabled(false);
    const int width = FCore.PageWidth();
    const int height = FCore.PageHeight();
    pnlImagePanel->resize(width, height);
    imgPreview->setGeometry(0, 0, width, height);
    imgPreview->clear();
    Centre();
    RunHandler(Prompts, [&] {
        ++RenderCount;
        imgPreview->setPixmap(
            QPixmap::fromImage(RenderSpecsImage(width, height, FCore.Specs, FCore.SpecRows)));
    });
    pnlImagePanel->setUpdatesEnabled(true);
}

void TfrmPreview::Centre() {
    // A page wider than the view starts centred too, and the view scrolls to reach
    // both of its edges.
    const QSize view = sbxPreview->viewport()->size();
    const int left = FCore.PageLeft(view.width());
    const int width = pnlImagePanel->width();
    Sheet->resize(std::max(view.width(), width), std::max(view.height(), pnlImagePanel->height()));
    pnlImagePanel->move(left < 0 ? 0 : left, 0);
    sbxPreview->horizontalScrollBar()->setValue(left < 0 ? -left : 0);
}

void TfrmPreview::cbxPercentChange() {
    FCore.cbxPercentChange(cbxPercent->currentIndex());
    MirrorState();
}

void TfrmPreview::btnSizeClick() {
    if (FCore.btnSizeClick()) {
        MirrorState();
    }
}

void TfrmPreview::btnPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (PrintDialog1 && PrintDialog1(printer)) {
        RunHandler(Prompts, [&] { PrintSpecsJob(printer, FCore.Specs, FCore.SpecRows); });
    }
}

void TfrmPreview::btnCloseClick() {
    close();
}

void TfrmPreview::sbxPreviewResize() {
    Centre();
}

bool TfrmPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sbxPreview->viewport() && event->type() == QEvent::Resize) {
        sbxPreviewResize();
    }
    return TForm::eventFilter(watched, event);
}

} // namespace cvn
