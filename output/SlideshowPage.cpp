#include "SlideshowPage.h"

#include "Format.h"
#include "PageTexts.h"
#include "ScriptString.h"

#include <QHash>

#include <cstring>

namespace {

// Appends the array text. A page may hold a million images, so the text is
// sized first and then copied straight into place, with no piecewise appends.
void AppendArrayText(QByteArray& out, const QByteArrayList& images)
{
    QHash<qsizetype, QByteArray> escaped; // only the few texts that need it
    qsizetype size = images.isEmpty() ? 0 : images.size() * 3 - 1;
    for (qsizetype index = 0; index < images.size(); ++index) {
        const QByteArray& image = images.at(index);
        if (NeedsScriptEscape(image))
            size += escaped.insert(index, EscapeForScriptString(image))->size();
        else
            size += image.size();
    }

    const qsizetype start = out.size();
    out.resize(start + size);
    char* cursor = out.data() + start;
    for (qsizetype index = 0; index < images.size(); ++index) {
        const auto found = escaped.constFind(index);
        const QByteArray& text = found == escaped.cend() ? images.at(index) : *found;
        if (index > 0)
            *cursor++ = ',';
        *cursor++ = '\'';
        std::memcpy(cursor, text.constData(), static_cast<size_t>(text.size()));
        cursor += text.size();
        *cursor++ = '\'';
    }
}

} // namespace

QByteArray BuildArrayText(const QByteArrayList& images)
{
    QByteArray array;
    AppendArrayText(array, images);
    return array;
}

QByteArray BuildSlideshowPage(const QByteArrayList& images, const QByteArray& delay,
                              const QByteArray& styleBlock)
{
    const QByteArray script = LoadPageText(IDS_HTML_SCRIPT);
    const QByteArray body = LoadPageText(IDS_HTML_BODY);
    const QByteArray tail = LoadPageText(IDS_HTML_TAIL);
    const int count = static_cast<int>(images.size());

    // The array text fills the script's first placeholder; it is written into
    // the page directly rather than built apart and copied in again.
    const qsizetype arrayAt = script.indexOf("%s");
    QByteArray page;
    page.reserve(styleBlock.size() + script.size() + delay.size() + 64 + body.size() +
                 tail.size());
    page.append(styleBlock);
    page.append(script.constData(), arrayAt);
    AppendArrayText(page, images);
    AppendFormatted(page, script.mid(arrayAt + 2),
                    {count, delay, count, QByteArray("%"), QByteArray("%"), count - 1, count});
    page.append(body);
    page.append(tail);
    return page;
}
