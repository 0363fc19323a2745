#pragma once

#include <QByteArray>

// Whether a colour text would break out of its place in the custom style
// block: a character that ends the CSS value or the style element, a comment
// opener, or a bracket without its partner, each of which swallows the rules
// after it.
bool ColorBreaksOutOfStyle(const QByteArray& color);
