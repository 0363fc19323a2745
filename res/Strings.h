#pragma once

#include <QString>

// The string table: the program's fixed messages and menu text, by number.
// Adding one is a number here and its text in Strings.cpp; the compiler
// refuses a number without a text.
enum StringId {
    IDS_ABOUTBOX = 101,
    IDS_FILL_ALL = 102,
    IDS_NEED_TWO = 108,
    IDS_NEED_PATH = 110,
    IDS_CHOOSE_SPEED = 111,
    IDS_NEED_IMAGE = 112,
};

// The string with the given number, character for character.
QString LoadString(StringId id);
