#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QString>

// Finish's file work: reads the scratch files, writes the slideshow page to
// outputPath and only then deletes the scratch files. The automatic look uses
// the built-in style and delay; the custom look uses styleBlock and the "speed"
// file. On failure nothing is deleted and the result names the file and why.
FileResult WriteSlideshow(const QString& outputPath, bool custom, const QByteArray& styleBlock,
                          const QString& scratchDir = {});
