#include "ScriptString.h"

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

// The character that starts at bytes[at], moving at past it. Every character
// counts, a byte-order mark too. A byte that starts no valid UTF-8 sequence is
// taken as the Latin-1 character of that byte, so that no byte is ever lost.
char32_t DecodeUtf8(const unsigned char* bytes, qsizetype size, qsizetype& at) {
    const unsigned char lead = bytes[at];
    int length = 1;
    char32_t code = lead;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    }
    if (length == 1 || at + length > size) {
        ++at;
        return lead;
    }
    for (int index = 1; index < length; ++index) {
        const unsigned char next = bytes[at + index];
        const bool fits = index == 1 ? next >= low && next <= high : (next & 0xC0) == 0x80;
        if (!fits) {
            ++at;
            return lead;
        }
        code = (code << 6) | (next & 0x3F);
    }
    at += length;
    return code;
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
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.constData());
    const qsizetype size = utf8.size();
    for (qsizetype at = 0; at < size;) {
        const char32_t code = DecodeUtf8(bytes, size, at);
        if (code == '\\')
            out.append("\\\\");
        else if (code == '\'')
            out.append("\\'");
        else if (code == '<')
            out.append("\\x3C");
        else if (code >= 0x20 && code < 0x80)
            out.append(static_cast<char>(code));
        else if (code < 0x10000)
            AppendUnicodeEscape(out, static_cast<char16_t>(code));
        else {
            const char32_t offset = code - 0x10000;
            AppendUnicodeEscape(out, static_cast<char16_t>(0xD800 + (offset >> 10)));
            AppendUnicodeEscape(out, static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
        }
    }
    return out;
}
