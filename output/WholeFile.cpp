#include "WholeFile.h"

#include "LockedFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileResult WriteAll(int fd, const QByteArray& bytes, const QString& path) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return FileResult::FromErrno(path, errno);
        }
        data += written;
        left -= written;
    }
    return FileResult::Success();
}

// A file made here gets the mode an ordinary create would give it.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A rename is durable only once the folder that holds the name is synced.
FileResult SyncFolderOf(const QByteArray& target, const QString& path) {
    const QByteArray folder =
        QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FileResult::FromErrno(path, errno);
    FileResult result = FileResult::Success();
    if (::fsync(fd) != 0)
        result = FileResult::FromErrno(path, errno);
    ::close(fd);
    return result;
}

// Writes bytes to a temporary file beside target, syncs it and renames it over
// target. With keepLockedFd the new file is locked and kept open for the caller.
FileResult ReplaceByRename(const QString& path, const QByteArray& target, mode_t mode,
                           const QByteArray& bytes, int* keepLockedFd) {
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return FileResult::FromErrno(path, errno);

    FileResult result = WriteAll(fd, bytes, path);
    if (result && ::fchmod(fd, mode) != 0)
        result = FileResult::FromErrno(path, errno);
    if (result && ::fsync(fd) != 0)
        result = FileResult::FromErrno(path, errno);
    if (result && keepLockedFd && ::flock(fd, LOCK_EX | LOCK_NB) != 0)
        result = FileResult::FromErrno(path, errno);
    if (result && ::rename(temporary.constData(), target.constData()) != 0)
        result = FileResult::FromErrno(path, errno);
    if (!result)
        ::unlink(temporary.constData());
    else
        result = SyncFolderOf(target, path);

    if (result && keepLockedFd) {
        *keepLockedFd = fd;
        return result;
    }
    if (::close(fd) != 0 && result)
        result = FileResult::FromErrno(path, errno);
    return result;
}

// A device or a pipe cannot be replaced by a file: the bytes go into it. The
// open did not wait for a pipe's reader; the writes do, as any writer's would.
FileResult WriteInPlace(const LockedFile& file, const QByteArray& bytes, const QString& path) {
    const int flags = ::fcntl(file.fd(), F_GETFL);
    if (flags < 0 || ::fcntl(file.fd(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return FileResult::FromErrno(path, errno);
    if (::ftruncate(file.fd(), 0) != 0 && errno != EINVAL)
        return FileResult::FromErrno(path, errno);
    return WriteAll(file.fd(), bytes, path);
}

} // namespace

QString ResolveLinks(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

FileResult WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const QString target = ResolveLinks(path);
    const QByteArray nativeTarget = QFile::encodeName(target);

    struct stat existing {};
    if (::stat(nativeTarget.constData(), &existing) != 0) {
        if (errno != ENOENT)
            return FileResult::FromErrno(path, errno);
        return ReplaceByRename(path, nativeTarget, NewFileMode(), bytes, nullptr);
    }

    // Opening for writing also refuses a folder or a file we may not write,
    // and the lock keeps another opener out while the new file is made.
    LockedFile lock;
    if (FileResult opened = lock.Open(target, LockedFile::WriteOnly); !opened) {
        opened.path = path;
        return opened;
    }
    if (!S_ISREG(existing.st_mode))
        return WriteInPlace(lock, bytes, path);
    return ReplaceByRename(path, nativeTarget, existing.st_mode & 07777, bytes, nullptr);
}

FileResult ReplaceEntry(const QString& path, const QByteArray& bytes, int& lockedFd) {
    return ReplaceByRename(path, QFile::encodeName(path), NewFileMode(), bytes, &lockedFd);
}
