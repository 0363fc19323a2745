#include "CustomStyle.h"

#include <vector>

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
