#pragma once

#include "catalogue/TextUtils.h"
#include "controls/Place.h"

#include <QString>

#include <string>

class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace cvn {

// Building blocks of the two part-number dialogs, placed at fixed positions.

QFrame* PlacePanel(QWidget* parent, const char* name, int x, int y, int w, int h);

// An editable box whose drop-down list is a history. Typed text is never added to the
// list by Qt, nor completed from it: the dialog's rules decide what the list holds, and
// a completion would turn a typed prefix into a different part number.
QComboBox* PlaceHistoryBox(QWidget* parent, const char* name, int x, int y, int w);

// A pop-up menu for the box, also over its edit field, which otherwise shows its own.
QMenu* AttachPopupMenu(QComboBox* box, const char* name);

// Shows the items, the selected item and the text, without firing the box's handlers;
// what already shows is left as it is, so typing is not disturbed.
void MirrorHistoryBox(QComboBox* box, const TStrings& items, int itemIndex,
                      const std::string& text);

} // namespace cvn
