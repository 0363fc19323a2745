#pragma once

#include <QString>

// Why a file operation failed. System carries errno; the others are
// Kinetara's own refusals. Tests compare these codes, never the texts, which
// follow the user's language.
enum class FileError {
    None,
    System,
    InUseByAnotherProgram,
    InUseByAnotherWindow,
    NotARegularFile,
    EmptyList,
    NoDelay,
    SameFileAsScratchFile,
    TooManyImages,
};

// The outcome of a file operation: success, or the file that failed, the
// code of the failure and why, in words a user can read.
struct [[nodiscard]] FileResult {
    QString path;
    FileError error = FileError::None;
    int systemError = 0; // errno when error is System
    QString reason;

    static FileResult Success() { return {}; }
    static FileResult Failure(const QString& path, FileError error);
    // The failure of a system call, with the system's own words for errno.
    static FileResult FromErrno(const QString& path, int systemError);

    bool ok() const { return error == FileError::None; }
    explicit operator bool() const { return ok(); }
};
