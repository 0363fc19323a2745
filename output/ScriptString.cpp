#include "ScriptString.h"

#include <QString>

#include <array>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

constexpr std::array<bool, 256> MakeEscapeTable()
{
    std::array<bool, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = byte < 0x20 || byte >= 0x80 || byte == '\\' || byte == '\'' || byte == '<';
    return table;
}

constexpr std::array<bool, 256> kNeedsEscape = MakeEscapeTable();

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

} // namespace

bool NeedsScriptEscape(const QByteArray& utf8)
{
    // No early exit: a branch-free loop is faster over the short texts it sees.
    bool needs = false;
    for (const char byte : utf8)
        needs |= kNeedsEscape[static_cast<unsigned char>(byte)];
    return needs;
}

QByteArray EscapeForScriptString(const QByteArray& utf8)
{
    QByteArray out;
    out.reserve(utf8.size() + 16);
    for (const QChar ch : QString::fromUtf8(utf8)) {
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
    return out;
}
