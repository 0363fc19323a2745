#include "Messages.h"

#include <QCoreApplication>

namespace {

const char* SourceText(Message message) {
    switch (message) {
    case Message::ImageHoldsLineBreak:
        return "An image address cannot hold a line break.";
    case Message::TooManyImages:
        return "A slideshow can hold at most %1 images, and the list holds %2. Remove some "
               "before you go on.";
    case Message::ListNotSaved:
        return "The image list could not be saved.";
    case Message::SpeedNotSaved:
        return "The slide speed could not be saved.";
    case Message::PageNotWritten:
        return "The slideshow page could not be written.";
    case Message::ScratchFileLeft:
        return "The slideshow page was written to %1, but a scratch file could not be removed.";
    case Message::PageNotOpened:
        return "The slideshow page was written to %1, but no program could open it.";
    case Message::ColorBreaksStyle:
        return "The color for \"%1\" cannot hold any of ; { } < > ' \" \\ or a line break, nor "
               "/* or an unbalanced bracket.";
    case Message::ColorNamesNotWritten:
        return "The page of color names could not be written.";
    case Message::ColorNamesNotOpened:
        return "The page of color names was written to %1, but no program could open it.";
    }
    return ""; // not reached: every message has its case
}

} // namespace

QString MessageText(Message message) {
    return QCoreApplication::translate("Kinetara", SourceText(message));
}
