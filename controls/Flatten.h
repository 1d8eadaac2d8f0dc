#pragma once

class QWidget;

namespace cvn {

// The flat-edge look: the control's outermost pixel ring is cut away by a mask from
// (1, 1) to (width - 1, height - 1), taken once from the size it has now.
void FlattenControl(QWidget* control);

// Flattens every grid, edit box, spin box and combo box of the window; the parts
// those controls are built from are left alone.
void FlattenControls(QWidget* window);

} // namespace cvn
