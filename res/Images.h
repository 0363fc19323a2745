#pragma once

#include <QString>

// The program's pictures, by resource number.
enum ImageId {
    IDB_BORDER_SAMPLE = 138,
    IDI_MAINFRAME = 144,
};

// The Qt resource path of the picture with the given number, ready for QIcon or QPixmap;
// empty for any other number (icon 128 of the About box among them).
QString ImageResourcePath(int id);
