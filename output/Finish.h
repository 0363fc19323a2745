#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QString>

// What Finish's file work came to. With pageWritten false nothing was written
// or deleted and failure says why. With pageWritten true the page is in place;
// failure then names a scratch file that could not be removed, if any.
struct [[nodiscard]] SlideshowWritten {
    bool pageWritten = false;
    FileResult failure;
};

// Finish's file work: reads the scratch files, writes the slideshow page to
// outputPath and only then deletes the scratch files. The automatic look uses
// the built-in style and delay; the custom look uses styleBlock and the "speed"
// file. An output path that is one of the scratch files it reads is refused
// before anything is read.
SlideshowWritten WriteSlideshow(const QString& outputPath, bool custom,
                                const QByteArray& styleBlock, const QString& scratchDir = {});
