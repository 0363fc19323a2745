#include "SlideshowPage.h"

#include "Format.h"
#include "PageTexts.h"
#include "ScriptString.h"

#include <algorithm>
#include <cstring>

namespace {

// Appends the array text. A page may hold a million images, so the text is
// copied straight into place in one pass, with room made for the unescaped
// size up front (the sizes alone need no visit to the texts) and more only
// when an escape needs it.
qsizetype UnescapedArraySize(const QByteArrayList& images) {
    qsizetype size = images.isEmpty() ? 0 : images.size() * 3 - 1;
    for (const QByteArray& image : images)
        size += image.size();
    return size;
}

void AppendArrayText(QByteArray& out, const QByteArrayList& images) {
    qsizetype at = out.size();
    out.resize(at + UnescapedArraySize(images));
    for (qsizetype index = 0; index < images.size(); ++index) {
        const QByteArray& image = images.at(index);
        const QByteArray escaped =
            NeedsScriptEscape(image) ? EscapeForScriptString(image) : QByteArray();
        const QByteArray& text = escaped.isNull() ? image : escaped;
        // The room left must hold this text, its quotes and comma, and the
        // unescaped size of every text still to come.
        const qsizetype needed = out.size() + text.size() - image.size();
        if (needed > out.size()) {
            if (needed > out.capacity())
                out.reserve(std::max(needed, out.capacity() * 2));
            out.resize(needed);
        }
        char* cursor = out.data() + at;
        if (index > 0)
            *cursor++ = ',';
        *cursor++ = '\'';
        std::memcpy(cursor, text.constData(), static_cast<size_t>(text.size()));
        cursor += text.size();
        *cursor++ = '\'';
        at = cursor - out.constData();
    }
    // Whatever the escaping did, the text ends where the last quote was written.
    out.resize(at);
}

} // namespace

QByteArray BuildArrayText(const QByteArrayList& images) {
    QByteArray array;
    AppendArrayText(array, images);
    return array;
}

QByteArray BuildSlideshowPage(const QByteArrayList& images, const QByteArray& delay,
                              const QByteArray& styleBlock) {
    const QByteArray script = LoadPageText(IDS_HTML_SCRIPT);
    const QByteArray body = LoadPageText(IDS_HTML_BODY);
    const QByteArray tail = LoadPageText(IDS_HTML_TAIL);
    const int count = static_cast<int>(images.size());

    // The array text fills the script's first placeholder; it is written into
    // the page directly rather than built apart and copied in again.
    const qsizetype arrayAt = script.indexOf("%s");
    QByteArray page;
    page.reserve(styleBlock.size() + script.size() + UnescapedArraySize(images) + delay.size() +
                 64 + body.size() + tail.size());
    page.append(styleBlock);
    page.append(script.constData(), arrayAt);
    AppendArrayText(page, images);
    AppendFormatted(page, script.mid(arrayAt + 2),
                    {count, delay, count, QByteArray("%"), QByteArray("%"), count - 1, count});
    page.append(body);
    page.append(tail);
    return page;
}
