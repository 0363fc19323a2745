#include "CustomStyle.h"

#include "Format.h"
#include "PageTexts.h"

#include <vector>

bool IsSizeSetting(StyleSetting setting) {
    switch (setting) {
    case StyleSetting::TableBorderLeftSize:
    case StyleSetting::TableBorderRightSize:
    case StyleSetting::TableBorderBottomSize:
    case StyleSetting::TableBorderTopSize:
    case StyleSetting::TdBorderLeftSize:
    case StyleSetting::TdBorderRightSize:
    case StyleSetting::TdBorderBottomSize:
    case StyleSetting::TdBorderTopSize:
        return true;
    default:
        return false;
    }
}

QByteArray BuildCustomStyle(const StyleSettings& settings) {
    QList<FormatArg> arguments;
    for (int index = 0; index < kStyleSettingCount; ++index)
        arguments.append(settings[static_cast<StyleSetting>(index)]);
    return FormatText(LoadPageText(IDS_HTML_STYLE_CUSTOM), arguments);
}

bool ColorBreaksOutOfStyle(const QByteArray& color) {
    if (color.contains("/*"))
        return true;
    std::vector<char> open; // the closers still owed, innermost last
    for (const char ch : color) {
        switch (ch) {
        case ';':
        case '{':
        case '}':
        case '<':
        case '>':
        case '\'':
        case '"':
        case '\\':
        case '\r':
        case '\n':
            return true;
        case '(':
            open.push_back(')');
            break;
        case '[':
            open.push_back(']');
            break;
        case ')':
        case ']':
            if (open.empty() || open.back() != ch)
                return true;
            open.pop_back();
            break;
        default:
            break;
        }
    }
    return !open.empty();
}
