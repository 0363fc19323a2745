#include "ScratchFiles.h"

#include "LockedFile.h"
#include "WholeFile.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr qsizetype kReadBufferSize = 4096;

// Hands each line of a file to onLine until it returns false; the end of the
// file ends the last line. A CR is part of the line end only right before LF.
template <typename OnLine> FileResult ReadLines(const QString& path, OnLine onLine) {
    LockedFile file;
    if (FileResult opened = file.Open(path, LockedFile::ReadOnly); !opened)
        return opened;

    QByteArray carried; // the start of a line that runs past the buffer
    char buffer[kReadBufferSize];
    for (;;) {
        const ssize_t got = ::read(file.fd(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return FileResult::FromErrno(path, errno);
        }
        if (got == 0)
            break;
        const char* begin = buffer;
        const char* const end = buffer + got;
        while (begin < end) {
            const char* newline = static_cast<const char*>(memchr(begin, '\n', end - begin));
            if (!newline) {
                carried.append(begin, end - begin);
                break;
            }
            QByteArray line(begin, newline - begin);
            if (!carried.isEmpty()) {
                line.prepend(carried);
                carried.clear();
            }
            if (line.endsWith('\r'))
                line.chop(1);
            if (!onLine(line))
                return FileResult::Success();
            begin = newline + 1;
        }
    }
    onLine(carried);
    return FileResult::Success();
}

} // namespace

QString ScratchFilePath(const QString& scratchDir, const char* name) {
    const QString bare = QString::fromLatin1(name);
    if (scratchDir.isEmpty())
        return bare;
    return scratchDir.endsWith(u'/') ? scratchDir + bare : scratchDir + u'/' + bare;
}

FileResult WriteListItems(const QByteArrayList& images, const QString& scratchDir) {
    qsizetype size = 0;
    for (const QByteArray& image : images)
        size += image.size() + 2;
    QByteArray records;
    records.reserve(size);
    for (const QByteArray& image : images) {
        records.append(image);
        records.append("\r\n");
    }
    return WriteWholeFile(ScratchFilePath(scratchDir, kListItemsFile), records);
}

FileResult WriteSpeed(const QByteArray& delay, const QString& scratchDir) {
    return WriteWholeFile(ScratchFilePath(scratchDir, kSpeedFile), delay);
}

ListItemsRead ReadListItems(const QString& scratchDir) {
    ListItemsRead read;
    read.file = ReadLines(ScratchFilePath(scratchDir, kListItemsFile), [&](const QByteArray& line) {
        if (line.isEmpty())
            return false;
        read.images.append(line);
        return true;
    });
    return read;
}

SpeedRead ReadSpeed(const QString& scratchDir) {
    SpeedRead read;
    read.file = ReadLines(ScratchFilePath(scratchDir, kSpeedFile), [&](const QByteArray& line) {
        read.delay = line;
        return false;
    });
    return read;
}

FileResult RemoveScratchFile(const char* name, const QString& scratchDir) {
    const QString path = ScratchFilePath(scratchDir, name);
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        return FileResult::FromErrno(path, errno);
    return FileResult::Success();
}
