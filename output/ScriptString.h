#pragma once

#include <QByteArray>

// Image texts go into single-quoted JavaScript strings in a <SCRIPT> block.
// There, backslash and quote are escaped, '<' cannot close the block, and
// control, line-separator and non-ASCII characters become \uXXXX so the page
// works in whatever encoding the browser assumes. A text with none of these
// stands as it is.

// Whether a UTF-8 text must be escaped before it can stand in such a string.
bool NeedsScriptEscape(const QByteArray& utf8);
// The text escaped for such a string.
QByteArray EscapeForScriptString(const QByteArray& utf8);
