#include "ScriptString.h"

#include <QString>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool NeedsEscape(unsigned char byte)
{
    return byte < 0x20 || byte >= 0x80 || byte == '\\' || byte == '\'' || byte == '<';
}

void AppendUnicodeEscape(QByteArray& out, char16_t unit)
{
    const char escape[] = {'\\',
                           'u',
                           kHexDigits[(unit >> 12) & 0xF],
                           kHexDigits[(unit >> 8) & 0xF],
                           kHexDigits[(unit >> 4) & 0xF],
                           kHexDigits[unit & 0xF]};
    out.append(escape, sizeof escape);
}

// The slow path, taken only by texts that hold something to escape.
void AppendEscaped(QByteArray& out, const QByteArray& utf8)
{
    const QString text = QString::fromUtf8(utf8);
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit == '\\')
            out.append("\\\\");
        else if (unit == '\'')
            out.append("\\'");
        else if (unit == '<')
            out.append("\\x3C");
        else if (unit < 0x20 || unit >= 0x80)
            AppendUnicodeEscape(out, unit);
        else
            out.append(static_cast<char>(unit));
    }
}

} // namespace

void AppendScriptStringContent(QByteArray& out, const QByteArray& utf8)
{
    for (const char byte : utf8) {
        if (NeedsEscape(static_cast<unsigned char>(byte))) {
            AppendEscaped(out, utf8);
            return;
        }
    }
    out.append(utf8);
}
