#include "SlideshowPage.h"

#include "Format.h"
#include "PageTexts.h"
#include "ScriptString.h"

QByteArray BuildArrayText(const QByteArrayList& images)
{
    qsizetype size = 0;
    for (const QByteArray& image : images)
        size += image.size() + 3;
    QByteArray array;
    array.reserve(size);
    for (const QByteArray& image : images) {
        if (!array.isEmpty())
            array.append(',');
        array.append('\'');
        AppendScriptStringContent(array, image);
        array.append('\'');
    }
    return array;
}

QByteArray BuildSlideshowPage(const QByteArrayList& images, const QByteArray& delay,
                              const QByteArray& styleBlock)
{
    const QByteArray script = LoadPageText(IDS_HTML_SCRIPT);
    const QByteArray body = LoadPageText(IDS_HTML_BODY);
    const QByteArray tail = LoadPageText(IDS_HTML_TAIL);
    const QByteArray array = BuildArrayText(images);
    const int count = static_cast<int>(images.size());

    QByteArray page;
    page.reserve(styleBlock.size() + script.size() + array.size() + delay.size() + 64 +
                 body.size() + tail.size());
    page.append(styleBlock);
    AppendFormatted(page, script,
                    {array, count, delay, count, QByteArray("%"), QByteArray("%"), count - 1,
                     count});
    page.append(body);
    page.append(tail);
    return page;
}
