#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes, all or nothing and durably: they go to
// a temporary file beside it that is synced and renamed over it, and then the
// folder is synced, so neither a failure nor a crash leaves a cut file. A
// symbolic link is written through to its target (the user chose that target).
// The target is held with an exclusive lock meanwhile, and a lock held by
// someone else is a failure. A device or a pipe is written in place.
FileResult WriteWholeFile(const QString& path, const QByteArray& bytes);

// Where the bytes for path really go: the final target of a chain of symbolic links.
QString ResolveLinks(const QString& path);

// The same durable rename for a file of Kinetara's own: whatever entry stands
// at path (a symbolic link included) is replaced, never written through. The
// new file is locked before it appears under its name; its descriptor goes to
// lockedFd and the caller holds the lock from then on.
FileResult ReplaceEntry(const QString& path, const QByteArray& bytes, int& lockedFd);
