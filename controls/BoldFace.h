#pragma once

#include <QByteArray>

namespace cvn {

// True when the bold face's strokes are clearly heavier than the regular face's, as a
// real bold's are. Some free stand-ins for a bold face only widen the letters.
bool HasBoldStrokes(const QByteArray& boldFace, const QByteArray& regularFace);

// The TrueType face marked as demi-bold (weight 600, no bold flags). Asked for bold
// text, the font engine still picks it, the nearest weight, and thickens its strokes,
// as it does for any face lighter than the weight asked for; its letter widths are
// kept. Data that is not a TrueType face comes back unchanged.
QByteArray AsDemiBold(QByteArray face);

} // namespace cvn
