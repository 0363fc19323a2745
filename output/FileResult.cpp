#include "FileResult.h"

#include <cstring>

FileResult FileResult::FromErrno(const QString& path, int error) {
    return Failure(path, QString::fromLocal8Bit(std::strerror(error)));
}
