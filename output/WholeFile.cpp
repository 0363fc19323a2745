#include "WholeFile.h"

#include "LockedFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Where the bytes really go: the final target of a chain of symbolic links.
QString ResolveLinks(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

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

FileResult ReplaceByRename(const QString& path, const QByteArray& target, mode_t mode,
                           const QByteArray& bytes) {
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return FileResult::FromErrno(path, errno);

    FileResult result = WriteAll(fd, bytes, path);
    if (result && ::fchmod(fd, mode) != 0)
        result = FileResult::FromErrno(path, errno);
    if (::close(fd) != 0 && result)
        result = FileResult::FromErrno(path, errno);
    if (result && ::rename(temporary.constData(), target.constData()) != 0)
        result = FileResult::FromErrno(path, errno);
    if (!result)
        ::unlink(temporary.constData());
    return result;
}

} // namespace

FileResult WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const QString target = ResolveLinks(path);
    const QByteArray nativeTarget = QFile::encodeName(target);

    struct stat existing {};
    if (::stat(nativeTarget.constData(), &existing) != 0) {
        if (errno != ENOENT)
            return FileResult::FromErrno(path, errno);
        return ReplaceByRename(path, nativeTarget, NewFileMode(), bytes);
    }

    // Opening for writing also refuses a folder or a file we may not write,
    // and the lock keeps another opener out while the new file is made.
    LockedFile lock;
    if (FileResult opened = lock.Open(target, LockedFile::WriteOnly); !opened)
        return FileResult::Failure(path, opened.reason);

    // A device or a pipe cannot be replaced by a file: write into it instead.
    if (!S_ISREG(existing.st_mode)) {
        if (::ftruncate(lock.fd(), 0) != 0 && errno != EINVAL)
            return FileResult::FromErrno(path, errno);
        return WriteAll(lock.fd(), bytes, path);
    }
    return ReplaceByRename(path, nativeTarget, existing.st_mode & 07777, bytes);
}
