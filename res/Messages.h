#pragma once

#include <QString>

// Kinetara's own messages, beside the fixed string table: the ones that say
// why a file or a setting was refused. Adding one is a name here and its
// text in Messages.cpp; the compiler refuses a name without a text.
enum class Message {
    ImageHoldsLineBreak,
    TooManyImages, // %1 the limit, %2 the list's length
    ListNotSaved,
    SpeedNotSaved,
    PageNotWritten,
    ScratchFileLeft,  // %1 the written page
    PageNotOpened,    // %1 the written page
    ColorBreaksStyle, // %1 the setting
    ColorNamesNotWritten,
    ColorNamesNotOpened, // %1 the written page
};

QString MessageText(Message message);
