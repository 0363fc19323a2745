// Writes the slideshow pages that slideshow.test.mjs drives in the browser,
// their images, and pages.json telling the test what each page holds.
//
// Usage: write_test_pages OUTPUT_DIR

#include "Finish.h"
#include "Format.h"
#include "PageTexts.h"
#include "ScratchFiles.h"
#include "WholeFile.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <cstdio>

namespace {

// Each image has its own width, so the test can tell from the loaded picture
// alone which file the browser found.
struct TestImage {
    QByteArray text; // the address as it stands in the image list
    int width;
    const char* colour;
};

constexpr int kImageHeight = 30;
constexpr int kCustomDelayMs = 300;
constexpr int kAutomaticDelayMs = 2000;
constexpr char kFrameBorderWidth[] = "7px";
constexpr char kFrameBorderColour[] = "teal";

const QList<TestImage> kShowImages = {
    {"red.png", 40, "red"},
    {"green.png", 50, "green"},
    {"blue.png", 60, "blue"},
};

// Texts that break a naively quoted script string or address.
const QList<TestImage> kSpecialImages = {
    {"it's.png", 70, "orange"},          {"back\\slash.png", 80, "purple"},
    {"a</SCRIPT>b.png", 90, "olive"},    {"two words.png", 100, "gray"},
    {"caf\xC3\xA9.png", 110, "hotpink"},
};

// A file URL reads a backslash as a slash, so that is where the browser looks.
QString FilePathFor(const QString& dir, const QByteArray& text) {
    return dir + u'/' + QString::fromUtf8(text).replace(u'\\', u'/');
}

bool WriteImages(const QString& dir, const QList<TestImage>& images) {
    for (const TestImage& image : images) {
        const QString path = FilePathFor(dir, image.text);
        QImage picture(image.width, kImageHeight, QImage::Format_RGB32);
        picture.fill(QColor(QString::fromLatin1(image.colour)));
        if (!QDir().mkpath(QFileInfo(path).path()) || !picture.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

// Text 109 filled the way the border page fills it: the frame table's colour
// and four borders, the picture cell's, then the caption and selector colours.
QByteArray CustomStyle() {
    const QByteArray frameWidth = kFrameBorderWidth;
    const QByteArray frameColour = kFrameBorderColour;
    QList<FormatArg> args{QByteArray("lavender")};
    for (int side = 0; side < 4; ++side)
        args << frameWidth << frameColour;
    args << QByteArray("white");
    for (int side = 0; side < 4; ++side)
        args << QByteArray("4px") << QByteArray("navy");
    args << QByteArray("maroon") << QByteArray("lightcyan");
    return FormatText(LoadPageText(IDS_HTML_STYLE_CUSTOM), args);
}

bool WritePage(const QString& dir, const QString& fileName, const QList<TestImage>& images,
               bool custom) {
    QByteArrayList texts;
    for (const TestImage& image : images)
        texts.append(image.text);

    FileResult result = WriteListItems(texts, dir);
    if (result && custom)
        result = WriteSpeed(QByteArray::number(kCustomDelayMs), dir);
    if (result)
        result = WriteSlideshow(dir + u'/' + fileName, custom,
                                custom ? CustomStyle() : QByteArray(), dir);
    if (!result)
        std::fprintf(stderr, "%s: %s\n", qPrintable(result.path), qPrintable(result.reason));
    return result.ok();
}

QJsonObject Describe(const QString& fileName, int delayMs, const QList<TestImage>& images) {
    QJsonArray list;
    for (const TestImage& image : images)
        list.append(QJsonObject{{"text", QString::fromUtf8(image.text)}, {"width", image.width}});
    return {{"file", fileName}, {"delayMs", delayMs}, {"images", list}};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QString dir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(dir) || !WriteImages(dir, kShowImages) || !WriteImages(dir, kSpecialImages))
        return 1;
    if (!WritePage(dir, "automatic.html", kShowImages, false) ||
        !WritePage(dir, "custom.html", kShowImages, true) ||
        !WritePage(dir, "special.html", kSpecialImages, false))
        return 1;

    QJsonObject custom = Describe("custom.html", kCustomDelayMs, kShowImages);
    custom.insert("frame", QJsonObject{{"borderWidth", kFrameBorderWidth},
                                       {"borderColour", kFrameBorderColour}});
    const QJsonObject pages{
        {"automatic", Describe("automatic.html", kAutomaticDelayMs, kShowImages)},
        {"custom", custom},
        {"special", Describe("special.html", kAutomaticDelayMs, kSpecialImages)},
    };
    const FileResult written = WriteWholeFile(dir + "/pages.json", QJsonDocument(pages).toJson());
    if (!written)
        std::fprintf(stderr, "%s: %s\n", qPrintable(written.path), qPrintable(written.reason));
    return written ? 0 : 1;
}
