#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes, all or nothing: they go to a temporary
// file beside it that is renamed over it once complete, so a failure leaves any
// earlier file whole. A symbolic link is written through to its target. The
// target is held with an exclusive lock meanwhile, and a lock held by someone
// else is a failure.
FileResult WriteWholeFile(const QString& path, const QByteArray& bytes);
