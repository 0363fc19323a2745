#pragma once

#include "FileResult.h"

#include <QString>

// A file descriptor held under an exclusive, non-blocking lock, so that two
// openers never share a file: the second open fails instead of waiting.
class LockedFile {
  public:
    enum Mode { ReadOnly, WriteOnly };

    LockedFile() = default;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile();

    FileResult Open(const QString& path, Mode mode);
    int fd() const { return m_fd; }

  private:
    int m_fd = -1;
};
