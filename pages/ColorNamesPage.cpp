#include "ColorNamesPage.h"

#include "NamedColors.h"

#include <QDir>
#include <QStandardPaths>

QByteArray ColorNamesPageHtml() {
    QByteArray html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                      "<title>Color names</title><style>"
                      "body{font-family:sans-serif}td{padding:2px 12px}"
                      ".sample{width:8em;border:1px solid gray}"
                      "</style></head><body><h1>Color names</h1><table>\n";
    // The sample is painted by the name itself, as the slideshow page will be.
    for (const char* name : g_colorNames) {
        html += "<tr><td class=\"sample\" style=\"background-color:";
        html += name;
        html += "\"></td><td>";
        html += name;
        html += "</td></tr>\n";
    }
    html += "</table></body></html>\n";
    return html;
}

QString ColorNamesPagePath() {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (directory.isEmpty() || !QDir().mkpath(directory))
        directory = QDir::tempPath();
    return QDir(directory).filePath(QStringLiteral("kinetara-color-names.html"));
}
