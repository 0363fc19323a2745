#pragma once

#include <QByteArray>

// The fixed texts a slideshow page is made of, by their string-table numbers.
enum PageTextId {
    IDS_HTML_STYLE_DEFAULT = 104,
    IDS_HTML_SCRIPT = 105,
    IDS_HTML_BODY = 106,
    IDS_HTML_TAIL = 107,
    IDS_HTML_STYLE_CUSTOM = 109,
};

// The text with the given number, byte for byte; empty for any other number.
QByteArray LoadPageText(int id);
