#include "wizard/DialogLook.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace cvn {

QFont DialogFont() {
    // 8 points on a 96-dpi screen; where the face is missing, the system's sans serif.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QLabel* PlaceQuestionIcon(QWidget* parent, int x, int y) {
    auto* image = new QLabel(parent);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(x, y, 32, 32);
    image->setPixmap(parent->style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    return image;
}

QPushButton* PlaceResultButton(QDialog* dialog, const char* name, const QString& caption, int x,
                               int y, TDialogResult result) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, 75, 25);
    QObject::connect(button, &QPushButton::clicked, dialog,
                     [dialog, result] { dialog->done(static_cast<int>(result)); });
    return button;
}

} // namespace cvn
