#include "Images.h"

#include "ResourceInit.h"

QString ImageResourcePath(int id) {
    EnsureResources();
    switch (id) {
    case IDB_BORDER_SAMPLE:
        return QStringLiteral(":/res/bitmap138.png");
    case IDI_MAINFRAME:
        return QStringLiteral(":/res/icon144.png");
    default:
        return {};
    }
}
