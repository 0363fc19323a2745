#pragma once

#include <QString>

// The outcome of a file operation: success, or the file that failed and why,
// in words a user can read.
struct FileResult {
    QString path;
    QString reason;

    static FileResult Success() { return {}; }
    static FileResult Failure(const QString& path, const QString& reason) { return {path, reason}; }
    // The failure of a system call, with the system's own words for errno.
    static FileResult FromErrno(const QString& path, int error);

    bool ok() const { return reason.isEmpty(); }
    explicit operator bool() const { return ok(); }
};
