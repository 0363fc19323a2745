#include "Finish.h"

#include "ImageLimit.h"
#include "PageTexts.h"
#include "ScratchFiles.h"
#include "SlideshowPage.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

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

// Whether writing the page at outputPath would write over the scratch file:
// the same file by device and inode, or the same name once links are resolved.
bool IsSameFile(const QString& outputPath, const QString& scratchPath) {
    struct stat output {};
    struct stat scratch {};
    if (::stat(QFile::encodeName(outputPath).constData(), &output) == 0 &&
        ::stat(QFile::encodeName(scratchPath).constData(), &scratch) == 0)
        return output.st_dev == scratch.st_dev && output.st_ino == scratch.st_ino;
    return QFileInfo(ResolveLinks(outputPath)).absoluteFilePath() ==
           QFileInfo(scratchPath).absoluteFilePath();
}

SlideshowWritten NotWritten(FileResult failure) {
    return {false, std::move(failure)};
}

} // namespace

SlideshowWritten WriteSlideshow(const QString& outputPath, bool custom,
                                const QByteArray& styleBlock, const QString& scratchDir) {
    QList<const char*> readFiles = {kListItemsFile};
    if (custom)
        readFiles.append(kSpeedFile);
    for (const char* name : readFiles) {
        if (IsSameFile(outputPath, ScratchFilePath(scratchDir, name)))
            return NotWritten(FileResult::Failure(outputPath, FileError::SameFileAsScratchFile));
    }

    const ListItemsRead list = ReadListItems(scratchDir);
    const QString listPath = ScratchFilePath(scratchDir, kListItemsFile);
    if (!list.file)
        return NotWritten(list.file);
    if (list.images.isEmpty())
        return NotWritten(FileResult::Failure(listPath, FileError::EmptyList));
    if (list.images.size() > kMaxImages)
        return NotWritten(FileResult::Failure(listPath, FileError::TooManyImages));

    QByteArray delay = kAutomaticDelay;
    SpeedRead speed;
    if (custom) {
        speed = ReadSpeed(scratchDir);
        if (!speed.file)
            return NotWritten(speed.file);
        if (!IsPlainDecimal(speed.delay))
            return NotWritten(
                FileResult::Failure(ScratchFilePath(scratchDir, kSpeedFile), FileError::NoDelay));
        delay = speed.delay;
    }

    const QByteArray style = custom ? styleBlock : LoadPageText(IDS_HTML_STYLE_DEFAULT);
    if (FileResult written =
            WriteWholeFile(outputPath, BuildSlideshowPage(list.images, delay, style));
        !written)
        return NotWritten(written);

    // The page is durable on disk: only now may the list's last copy go.
    FileResult removed = RemoveScratchFile(kListItemsFile, list.identity, scratchDir);
    if (removed && custom)
        removed = RemoveScratchFile(kSpeedFile, speed.identity, scratchDir);
    return {true, removed};
}
