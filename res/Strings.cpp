#include "Strings.h"

// No default: a number added without its text does not compile.
QString LoadString(StringId id) {
    switch (id) {
    case IDS_ABOUTBOX:
        return QStringLiteral("&About Kinetara...");
    case IDS_FILL_ALL:
        return QStringLiteral("Please make sure that all text boxes are filled.");
    case IDS_NEED_TWO:
        return QStringLiteral("You need at least 2 items.");
    case IDS_NEED_PATH:
        return QStringLiteral("You must give the path and file name to save the file.");
    case IDS_CHOOSE_SPEED:
        return QStringLiteral("Please choose the speed. ");
    case IDS_NEED_IMAGE:
        return QStringLiteral("Please place the proper image file name.");
    }
    return {}; // not reached: every number has its case
}
