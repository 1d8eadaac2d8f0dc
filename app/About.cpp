#include "app/About.h"

#include "catalogue/Files.h"
#include "catalogue/Services.h"
#include "catalogue/cvnLib.h"
#include "controls/CoreText.h"
#include "controls/Pictures.h"
#include "controls/Place.h"
#include "controls/ProgramFonts.h"
#include "wizard/DialogLook.h"

#include <QBitmap>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

namespace cvn {

const char* const TfrmAbout::WebAddress = "https://www.brenmoor.com/";

namespace {

// A bitmap shown transparently: its bottom-left pixel's colour lets the window through.
QPixmap TransparentBitmap(const QPixmap& picture) {
    const QImage image = picture.toImage();
    const QColor clear = image.pixelColor(0, image.height() - 1);
    QPixmap shown = picture;
    shown.setMask(picture.createMaskFromColor(clear, Qt::MaskInColor));
    return shown;
}

} // namespace

TfrmAbout::TfrmAbout(TLauncher& launcher, QWidget* parent)
    : TForm(QStringLiteral("About Corvane"), ClientWidth, ClientHeight, parent),
      Launcher(launcher) {
    setObjectName(QStringLiteral("frmAbout"));
    setFont(DialogFont());

    // Placed first so that the icon is drawn over it.
    Shape2 = Place<QFrame>(this, "Shape2", 19, 18, 32, 32);
    Shape2->setAutoFillBackground(true);
    Shape2->setBackgroundRole(QPalette::Button);
    Image1 = Place<QLabel>(this, "Image1", 16, 16, 32, 32);

    Label2 = Place<QLabel>(this, "Label2", 96, 8, 137, 39);
    Label2->setText(QStringLiteral("Corvane 38"));
    Label2->setFont(TahomaFont(24, true));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette titlePal = Label2->palette();
    titlePal.setColor(QPalette::WindowText, Navy());
    Label2->setPalette(titlePal);

    Label1 = new QLabel(QStringLiteral("\u00A9 Brenmoor. All rights reserved."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(TahomaFont(Points8));
    Label1->move(72, 40);
    Label1->adjustSize();

    Image2 = Place<QLabel>(this, "Image2", 96, 62, 0, 0);

    Label3 = new QLabel(QStringLiteral("www.brenmoor.com"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont linkFont = Label3->font();
    linkFont.setUnderline(true);
    Label3->setFont(linkFont);
    QPalette linkPal = Label3->palette();
    linkPal.setColor(QPalette::WindowText, Qt::blue);
    Label3->setPalette(linkPal);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->move(120, 104);
    Label3->adjustSize();
    Label3->installEventFilter(this);

    Bevel1 = Place<QFrame>(this, "Bevel1", 56, 128, 217, 2);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    BitBtn1 = PlaceButton(this, "BitBtn1", QStringLiteral("&OK"), 198, 138, 75, 25);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmAbout::BitBtn1Click);

    FormCreate();
}

void TfrmAbout::FormCreate() {
    Image1->setPixmap(ProgramIconPixmap(32));
    const std::string logo = ResolvePath(ImagesPath + "brenmoor.bmp");
    QPixmap picture;
    if (FileExists(logo) && picture.load(QStr(logo))) {
        Image2->setPixmap(TransparentBitmap(picture));
        Image2->resize(picture.size());
    }
}

void TfrmAbout::Label3Click() {
    // Whether the desktop could open it is not reported.
    Launcher.Open(WebAddress);
}

void TfrmAbout::BitBtn1Click() {
    accept();
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label3 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label3Click();
        return true;
    }
    return TForm::eventFilter(watched, event);
}

} // namespace cvn
