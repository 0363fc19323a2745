#pragma once

#include <QByteArray>
#include <QList>
#include <variant>

// One argument of FormatText: bytes for %s, a signed integer for %i.
using FormatArg = std::variant<QByteArray, int>;

// printf for the two conversions the page texts use. %s inserts its argument's
// bytes and never reads them as a format again; %i writes a signed decimal.
// A conversion whose argument is missing or of the other kind inserts nothing.
void AppendFormatted(QByteArray& out, const QByteArray& format, const QList<FormatArg>& args);
QByteArray FormatText(const QByteArray& format, const QList<FormatArg>& args);
