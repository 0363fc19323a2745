#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <sys/types.h>

// The two files that carry the wizard's data from page to page. They are
// opened by bare name in a scratch directory; an empty directory means the
// current one, or DefaultScratchDir() when the current one is not writable.
//
// A file this process wrote stays locked until this process deletes it or
// ends, so that a second Kinetara window started in the same folder can
// neither replace nor delete it.
inline constexpr char kListItemsFile[] = "listitems";
inline constexpr char kSpeedFile[] = "speed";

// Which file a name led to when it was read, so that only that file is deleted.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity& other) const {
        return device == other.device && inode == other.inode;
    }
};

struct ListItemsRead {
    FileResult file;
    QByteArrayList images;
    FileIdentity identity;
};

struct SpeedRead {
    FileResult file;
    QByteArray delay;
    FileIdentity identity;
};

// Empty when the current directory is writable; else $XDG_RUNTIME_DIR/kinetara,
// or kinetara in the cache folder when there is no runtime folder.
QString DefaultScratchDir();
QString ScratchFilePath(const QString& scratchDir, const char* name);

// One record per image text, each ending in CR LF, replacing any earlier file
// whole; a symbolic link of that name is replaced, never written through.
FileResult WriteListItems(const QByteArrayList& images, const QString& scratchDir = {});
// The delay text alone, no line end.
FileResult WriteSpeed(const QByteArray& delay, const QString& scratchDir = {});

// The lines up to the first empty one (or the end); LF or CR LF ends a line.
// Only a regular file is read, and the read never waits. Neither reader
// deletes its file: the caller does once the data is safe.
ListItemsRead ReadListItems(const QString& scratchDir = {});
SpeedRead ReadSpeed(const QString& scratchDir = {});

// Deletes the scratch file if it is still the file that was read.
FileResult RemoveScratchFile(const char* name, const FileIdentity& identity,
                             const QString& scratchDir = {});
