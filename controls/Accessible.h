#pragma once

#include <QString>

class QWidget;

namespace cvn {

// What a screen reader says for a caption: the '&' marks of its access key dropped
// ("&&" stays one '&') and the blanks that space it out on screen trimmed.
QString SpokenCaption(const QString& caption);

// Names a control after a caption that stands for it but is no label of its own; a
// drop-down list also gets it as an unseen buddy label, which is what names it on Linux.
void NameAfter(QWidget* control, const QString& caption);

// Names the window's labels and group boxes by their spoken captions, and every input
// control that has no name of its own after its buddy label, else its group box. Run
// when the window is built and again after its captions change.
void NameByCaptions(QWidget* window);

} // namespace cvn
