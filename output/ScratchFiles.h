#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// The two files that carry the wizard's data from page to page. They are
// opened by bare name in a scratch directory; an empty directory means the
// current one.
inline constexpr char kListItemsFile[] = "listitems";
inline constexpr char kSpeedFile[] = "speed";

struct ListItemsRead {
    FileResult file;
    QByteArrayList images;
};

struct SpeedRead {
    FileResult file;
    QByteArray delay;
};

QString ScratchFilePath(const QString& scratchDir, const char* name);

// One record per image text, each ending in CR LF, replacing any earlier file whole.
FileResult WriteListItems(const QByteArrayList& images, const QString& scratchDir = {});
// The delay text alone, no line end.
FileResult WriteSpeed(const QByteArray& delay, const QString& scratchDir = {});

// The lines up to the first empty one (or the end); LF or CR LF ends a line.
// Neither reader deletes its file: the caller does once the data is safe.
ListItemsRead ReadListItems(const QString& scratchDir = {});
SpeedRead ReadSpeed(const QString& scratchDir = {});

FileResult RemoveScratchFile(const char* name, const QString& scratchDir = {});
