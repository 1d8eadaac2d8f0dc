#pragma once

#include <QIcon>
#include <QPixmap>

#include <string>

class QLabel;

namespace cvn {

// A catalogue picture from the Images folder, stretched over the whole image control.
// A missing or unreadable file shows "NA.gif" at its natural size instead, or nothing
// when that is missing too. An empty name clears the picture.
void ShowPicture(QLabel* image, const std::string& name);

// The program's icon, "MAINICON".
QIcon ProgramIcon();
QPixmap ProgramIconPixmap(int size);

} // namespace cvn
