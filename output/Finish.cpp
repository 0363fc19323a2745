#include "Finish.h"

#include "PageTexts.h"
#include "ScratchFiles.h"
#include "SlideshowPage.h"
#include "WholeFile.h"

namespace {

bool IsPlainDecimal(const QByteArray& text) {
    if (text.isEmpty())
        return false;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
    }
    return true;
}

} // namespace

FileResult WriteSlideshow(const QString& outputPath, bool custom, const QByteArray& styleBlock,
                          const QString& scratchDir) {
    const ListItemsRead list = ReadListItems(scratchDir);
    if (!list.file)
        return list.file;
    if (list.images.isEmpty())
        return FileResult::Failure(ScratchFilePath(scratchDir, kListItemsFile),
                                   QStringLiteral("The image list is empty."));

    QByteArray delay = kAutomaticDelay;
    if (custom) {
        const SpeedRead speed = ReadSpeed(scratchDir);
        if (!speed.file)
            return speed.file;
        if (!IsPlainDecimal(speed.delay))
            return FileResult::Failure(ScratchFilePath(scratchDir, kSpeedFile),
                                       QStringLiteral("It does not hold a slide delay."));
        delay = speed.delay;
    }

    const QByteArray style = custom ? styleBlock : LoadPageText(IDS_HTML_STYLE_DEFAULT);
    if (FileResult written =
            WriteWholeFile(outputPath, BuildSlideshowPage(list.images, delay, style));
        !written)
        return written;

    if (FileResult removed = RemoveScratchFile(kListItemsFile, scratchDir); !removed)
        return removed;
    if (custom)
        return RemoveScratchFile(kSpeedFile, scratchDir);
    return FileResult::Success();
}
