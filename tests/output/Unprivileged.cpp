#include "Unprivileged.h"

#include <QByteArray>
#include <QByteArrayList>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr int kCouldNotDropPrivileges = 3;

bool WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

QByteArray ReadAll(int fd) {
    QByteArray bytes;
    char buffer[512];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, got);
    return bytes;
}

} // namespace

std::optional<FileResult> RunUnprivileged(const std::function<FileResult()>& work) {
    if (::geteuid() != 0)
        return work();

    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::close(pipeFds[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(kCouldNotDropPrivileges);
        const FileResult result = work();
        // _exit: the child must not run the test framework's exit handlers.
        const QByteArray message = result.path.toUtf8() + '\0' +
                                   QByteArray::number(static_cast<int>(result.error)) + '\0' +
                                   QByteArray::number(result.systemError);
        ::_exit(WriteAll(pipeFds[1], message) ? 0 : 1);
    }

    ::close(pipeFds[1]);
    const QByteArray message = ReadAll(pipeFds[0]);
    ::close(pipeFds[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    const QByteArrayList fields = message.split('\0');
    if (fields.size() != 3)
        return std::nullopt;
    const auto error = static_cast<FileError>(fields.at(1).toInt());
    if (error == FileError::System)
        return FileResult::FromErrno(QString::fromUtf8(fields.at(0)), fields.at(2).toInt());
    if (error == FileError::None)
        return FileResult::Success();
    return FileResult::Failure(QString::fromUtf8(fields.at(0)), error);
}
