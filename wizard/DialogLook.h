#pragma once

#include "catalogue/UserPrompts.h"

#include <QFont>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace cvn {

// What the two confirmation dialogs share: their font, the question icon and buttons
// that end the dialog with a result.
QFont DialogFont();
QLabel* PlaceQuestionIcon(QWidget* parent, int x, int y);
QPushButton* PlaceResultButton(QDialog* dialog, const char* name, const QString& caption, int x,
                               int y, TDialogResult result);

} // namespace cvn
