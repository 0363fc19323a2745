#include "FileResult.h"

#include "ImageLimit.h"

#include <cstring>

namespace {

QString ReasonFor(FileError error) {
    switch (error) {
    case FileError::None:
    case FileError::System:
        break;
    case FileError::InUseByAnotherProgram:
        return QStringLiteral("The file is in use by another program.");
    case FileError::InUseByAnotherWindow:
        return QStringLiteral("The file is in use by another Kinetara window.");
    case FileError::NotARegularFile:
        return QStringLiteral("It is not a regular file.");
    case FileError::EmptyList:
        return QStringLiteral("The image list is empty.");
    case FileError::NoDelay:
        return QStringLiteral("It does not hold a slide delay.");
    case FileError::SameFileAsScratchFile:
        return QStringLiteral("It is the file in which the wizard keeps its own data.");
    case FileError::TooManyImages:
        return QStringLiteral("It holds more than %1 images, more than a browser can show in "
                              "one slideshow.")
            .arg(kMaxImages);
    }
    return {};
}

} // namespace

FileResult FileResult::Failure(const QString& path, FileError error) {
    return {path, error, 0, ReasonFor(error)};
}

FileResult FileResult::FromErrno(const QString& path, int systemError) {
    return {path, FileError::System, systemError,
            QString::fromLocal8Bit(std::strerror(systemError))};
}
