#pragma once

#include <QByteArray>
#include <QString>

// A local web page that shows every named colour beside a sample of it, for
// a user looking for a name to type into a colour box.
QByteArray ColorNamesPageHtml();

// Where that page is written: the cache directory, or the temporary one when
// there is no cache directory to be had.
QString ColorNamesPagePath();
