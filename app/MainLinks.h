#pragma once

#include "catalogue/Services.h"

namespace cvn {

class TfrmMain;
class TfrmPreview;

// Hands the main window what it opens above its own layer: the set-up from a part
// number, the spec preview, the update window and its reminder, the about box.
void ConnectMainWindow(TfrmMain& main, TServices services, TfrmPreview& preview);

} // namespace cvn
