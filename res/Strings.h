#pragma once

#include <QString>

// The program's own messages and menu text, by string-table number.
enum StringId {
    IDS_ABOUTBOX = 101,
    IDS_FILL_ALL = 102,
    IDS_NEED_TWO = 108,
    IDS_NEED_PATH = 110,
    IDS_CHOOSE_SPEED = 111,
    IDS_NEED_IMAGE = 112,
};

// The string with the given number, character for character; the page texts
// 104 to 109 come from the output library. Empty for any other number.
QString LoadString(int id);
