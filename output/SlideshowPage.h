#pragma once

#include <QByteArray>
#include <QByteArrayList>

// The delay of the automatic look, in milliseconds.
inline constexpr char kAutomaticDelay[] = "2000";

// Every image text in single quotes, separated by commas; empty for no images.
QByteArray BuildArrayText(const QByteArrayList& images);

// The whole page: the style block, the script block filled with the images and
// the delay, then the body and the tail. Touches no file.
QByteArray BuildSlideshowPage(const QByteArrayList& images, const QByteArray& delay,
                              const QByteArray& styleBlock);
