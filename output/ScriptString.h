#pragma once

#include <QByteArray>

// Appends a UTF-8 text so that it reads back unchanged inside a single-quoted
// JavaScript string in a <SCRIPT> block: backslash and quote are escaped, '<'
// cannot close the block, and control, line-separator and non-ASCII characters
// become \uXXXX so the page works in whatever encoding the browser assumes.
// A text with none of these is appended byte for byte.
void AppendScriptStringContent(QByteArray& out, const QByteArray& utf8);
