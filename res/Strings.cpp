#include "Strings.h"

#include "PageTexts.h"
#include "ResourceInit.h"

#include <QFile>

namespace {

QString ResourceString(int id) {
    EnsureResources();
    QFile file(QStringLiteral(":/res/strings/%1").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString LoadString(int id) {
    switch (id) {
    case IDS_ABOUTBOX:
    case IDS_FILL_ALL:
    case IDS_NEED_TWO:
    case IDS_NEED_PATH:
    case IDS_CHOOSE_SPEED:
    case IDS_NEED_IMAGE:
        return ResourceString(id);
    case IDS_HTML_STYLE_DEFAULT:
    case IDS_HTML_SCRIPT:
    case IDS_HTML_BODY:
    case IDS_HTML_TAIL:
    case IDS_HTML_STYLE_CUSTOM:
        return QString::fromUtf8(LoadPageText(id));
    default:
        return {};
    }
}
