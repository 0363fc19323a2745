#include "ScratchFiles.h"

#include "LockedFile.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kReadBufferSize = 4096;

FileIdentity IdentityOf(const struct stat& info) {
    return {info.st_dev, info.st_ino};
}

// The scratch files this process wrote, each kept open under its lock until
// it is deleted or the process ends. Keyed by absolute path.
class HeldScratchFiles {
  public:
    static HeldScratchFiles& Instance() {
        static HeldScratchFiles held;
        return held;
    }

    void Hold(const QString& path, int fd) {
        Release(path);
        struct stat info {};
        ::fstat(fd, &info);
        m_files.insert(Key(path), {fd, IdentityOf(info)});
    }

    void Release(const QString& path) {
        if (const auto found = m_files.constFind(Key(path)); found != m_files.cend()) {
            ::close(found->fd);
            m_files.erase(found);
        }
    }

    // The descriptor this process holds for that file, or -1.
    int HeldFd(const FileIdentity& identity) const {
        for (const Held& held : m_files) {
            if (held.identity == identity)
                return held.fd;
        }
        return -1;
    }

  private:
    struct Held {
        int fd;
        FileIdentity identity;
    };
    static QString Key(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

    QHash<QString, Held> m_files;
};

// The lock of a file: another Kinetara window's if it is not this process's.
FileResult InUseUnlessHeldHere(const QString& path, const FileResult& opened) {
    struct stat info {};
    if (opened.error == FileError::InUseByAnotherProgram &&
        ::stat(QFile::encodeName(path).constData(), &info) == 0 &&
        HeldScratchFiles::Instance().HeldFd(IdentityOf(info)) < 0)
        return FileResult::Failure(path, FileError::InUseByAnotherWindow);
    return opened;
}

// Hands each line of a file to onLine until it returns false; the end of the
// file ends the last line. A CR is part of the line end only right before LF.
template <typename OnLine>
FileResult ReadLines(const QString& path, FileIdentity& identity, OnLine onLine) {
    LockedFile file;
    int fd = -1;
    struct stat info {};
    if (FileResult opened = file.Open(path, LockedFile::ReadOnly); opened) {
        fd = file.fd();
        if (::fstat(fd, &info) != 0)
            return FileResult::FromErrno(path, errno);
    } else if (FileResult refused = InUseUnlessHeldHere(path, opened);
               refused.error != FileError::InUseByAnotherProgram) {
        return refused;
    } else {
        // Locked by this process: it wrote the file, so read what it holds.
        if (::stat(QFile::encodeName(path).constData(), &info) != 0)
            return FileResult::FromErrno(path, errno);
        fd = HeldScratchFiles::Instance().HeldFd(IdentityOf(info));
    }
    // A pipe or a device could wait for ever or never end.
    if (!S_ISREG(info.st_mode))
        return FileResult::Failure(path, FileError::NotARegularFile);
    identity = IdentityOf(info);

    QByteArray carried; // the start of a line that runs past the buffer
    char buffer[kReadBufferSize];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return FileResult::FromErrno(path, errno);
        }
        if (got == 0)
            break;
        offset += got;
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

// Replaces the scratch file whole unless another window holds it, and keeps
// the new one locked.
FileResult WriteScratchFile(const QString& path, const QByteArray& bytes) {
    struct stat info {};
    const QByteArray native = QFile::encodeName(path);
    LockedFile oldFile; // held until the new file has taken the name
    if (::lstat(native.constData(), &info) == 0 && S_ISREG(info.st_mode)) {
        if (FileResult opened = oldFile.Open(path, LockedFile::ReadOnly); !opened) {
            if (FileResult refused = InUseUnlessHeldHere(path, opened);
                refused.error != FileError::InUseByAnotherProgram)
                return refused;
        }
    }
    int lockedFd = -1;
    if (FileResult replaced = ReplaceEntry(path, bytes, lockedFd); !replaced)
        return replaced;
    HeldScratchFiles::Instance().Hold(path, lockedFd);
    return FileResult::Success();
}

} // namespace

QString DefaultScratchDir() {
    if (::access(".", W_OK | X_OK) == 0)
        return {};
    // Started where it may not write (a launcher may start it in /): the
    // user's runtime folder, or the cache folder on a system without one.
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString folder = base + QStringLiteral("/kinetara");
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return folder;
}

QString ScratchFilePath(const QString& scratchDir, const char* name) {
    const QString bare = QString::fromLatin1(name);
    if (scratchDir.isEmpty()) {
        const QString fallback = DefaultScratchDir();
        return fallback.isEmpty() ? bare : fallback + u'/' + bare;
    }
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
    return WriteScratchFile(ScratchFilePath(scratchDir, kListItemsFile), records);
}

FileResult WriteSpeed(const QByteArray& delay, const QString& scratchDir) {
    return WriteScratchFile(ScratchFilePath(scratchDir, kSpeedFile), delay);
}

ListItemsRead ReadListItems(const QString& scratchDir) {
    ListItemsRead read;
    read.file = ReadLines(ScratchFilePath(scratchDir, kListItemsFile), read.identity,
                          [&](const QByteArray& line) {
                              if (line.isEmpty())
                                  return false;
                              read.images.append(line);
                              return true;
                          });
    return read;
}

SpeedRead ReadSpeed(const QString& scratchDir) {
    SpeedRead read;
    read.file = ReadLines(ScratchFilePath(scratchDir, kSpeedFile), read.identity,
                          [&](const QByteArray& line) {
                              read.delay = line;
                              return false;
                          });
    return read;
}

FileResult RemoveScratchFile(const char* name, const FileIdentity& identity,
                             const QString& scratchDir) {
    const QString path = ScratchFilePath(scratchDir, name);
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    // A file that is gone, or that another has put in its place since, is not ours to delete.
    if (::lstat(native.constData(), &info) != 0 || !(IdentityOf(info) == identity))
        return FileResult::Success();
    if (::unlink(native.constData()) != 0)
        return FileResult::FromErrno(path, errno);
    HeldScratchFiles::Instance().Release(path);
    return FileResult::Success();
}
