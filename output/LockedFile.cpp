#include "LockedFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

LockedFile::~LockedFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

FileResult LockedFile::Open(const QString& path, Mode mode) {
    // Non-blocking, so that neither a pipe nor a device can keep the open
    // waiting: a pipe with no reader fails at once.
    const int flags = (mode == ReadOnly ? O_RDONLY : O_WRONLY) | O_NONBLOCK | O_CLOEXEC;
    m_fd = ::open(QFile::encodeName(path).constData(), flags);
    if (m_fd < 0)
        return FileResult::FromErrno(path, errno);
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(m_fd);
        m_fd = -1;
        if (error == EWOULDBLOCK)
            return FileResult::Failure(path, FileError::InUseByAnotherProgram);
        return FileResult::FromErrno(path, error);
    }
    return FileResult::Success();
}
