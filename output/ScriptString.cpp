#include "ScriptString.h"

#include <QString>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

constexpr std::array<bool, 256> MakeEscapeTable() {
    std::array<bool, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = byte < 0x20 || byte >= 0x80 || byte == '\\' || byte == '\'' || byte == '<';
    return table;
}

constexpr std::array<bool, 256> kNeedsEscape = MakeEscapeTable();

void AppendUnicodeEscape(QByteArray& out, char16_t unit) {
    const char escape[] = {'\\',
                           'u',
                           kHexDigits[(unit >> 12) & 0xF],
                           kHexDigits[(unit >> 8) & 0xF],
                           kHexDigits[(unit >> 4) & 0xF],
                           kHexDigits[unit & 0xF]};
    out.append(escape, sizeof escape);
}

} // namespace

bool NeedsScriptEscape(const QByteArray& utf8) {
    // A page may hold a million texts: test eight bytes at a time, with the
    // classic bit tricks for "some byte is below n" and "some byte is zero".
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    const auto someByteBelow = [](std::uint64_t word, std::uint64_t n) {
        return (word - kOnes * n) & ~word & kHighBits;
    };
    const auto someByteIs = [&](std::uint64_t word, char ch) {
        return someByteBelow(word ^ (kOnes * static_cast<unsigned char>(ch)), 1);
    };

    const char* bytes = utf8.constData();
    const qsizetype size = utf8.size();
    qsizetype at = 0;
    for (; at + 8 <= size; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        if ((word & kHighBits) | someByteBelow(word, 0x20) | someByteIs(word, '\\') |
            someByteIs(word, '\'') | someByteIs(word, '<'))
            return true;
    }
    bool needs = false;
    for (; at < size; ++at)
        needs |= kNeedsEscape[static_cast<unsigned char>(bytes[at])];
    return needs;
}

QByteArray EscapeForScriptString(const QByteArray& utf8) {
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
