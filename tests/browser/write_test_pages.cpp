// Writes the slideshow pages that slideshow.test.mjs drives in the browser,
// their images, and pages.json telling the test what each page holds.
//
// Usage: write_test_pages OUTPUT_DIR

#include "CustomStyle.h"
#include "Finish.h"
#include "ImageLimit.h"
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
#include <cstdint>
#include <cstdio>
#include <random>

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

// The custom look with a frame table of its own colour and four borders.
QByteArray CustomStyle() {
    using S = StyleSetting;
    StyleSettings settings;
    settings[S::TableBackground] = "lavender";
    for (const auto& [size, colour] :
         {std::pair(S::TableBorderLeftSize, S::TableBorderLeftColor),
          std::pair(S::TableBorderRightSize, S::TableBorderRightColor),
          std::pair(S::TableBorderBottomSize, S::TableBorderBottomColor),
          std::pair(S::TableBorderTopSize, S::TableBorderTopColor)}) {
        settings[size] = kFrameBorderWidth;
        settings[colour] = kFrameBorderColour;
    }
    settings[S::TdBackground] = "white";
    for (const auto& [size, colour] : {std::pair(S::TdBorderLeftSize, S::TdBorderLeftColor),
                                       std::pair(S::TdBorderRightSize, S::TdBorderRightColor),
                                       std::pair(S::TdBorderBottomSize, S::TdBorderBottomColor),
                                       std::pair(S::TdBorderTopSize, S::TdBorderTopColor)}) {
        settings[size] = "4px";
        settings[colour] = "navy";
    }
    settings[S::FontColor] = "maroon";
    settings[S::SelectBackground] = "lightcyan";
    return BuildCustomStyle(settings);
}

// Writes the page the way Finish does: through the scratch files in dir.
bool WritePage(const QString& dir, const QString& fileName, const QByteArrayList& texts,
               bool custom) {
    FileResult result = WriteListItems(texts, dir);
    if (result && custom)
        result = WriteSpeed(QByteArray::number(kCustomDelayMs), dir);
    bool pageWritten = false;
    if (result) {
        const SlideshowWritten written = WriteSlideshow(dir + u'/' + fileName, custom,
                                                        custom ? CustomStyle() : QByteArray(), dir);
        pageWritten = written.pageWritten;
        // A scratch file left behind is a fault too, even with the page in place.
        result = written.failure;
    }
    if (!result)
        std::fprintf(stderr, "%s: %s\n", qPrintable(result.path), qPrintable(result.reason));
    return pageWritten && result.ok();
}

bool WritePage(const QString& dir, const QString& fileName, const QList<TestImage>& images,
               bool custom) {
    QByteArrayList texts;
    for (const TestImage& image : images)
        texts.append(image.text);
    return WritePage(dir, fileName, texts, custom);
}

QJsonObject Describe(const QString& fileName, int delayMs, const QList<TestImage>& images) {
    QJsonArray list;
    for (const TestImage& image : images)
        list.append(QJsonObject{{"text", QString::fromUtf8(image.text)}, {"width", image.width}});
    return {{"file", fileName}, {"delayMs", delayMs}, {"images", list}};
}

// Random lists of texts built from pieces that break quoting somewhere between
// the list file and the script string. A fixed seed and std::mt19937, whose
// output the standard fixes, give the same lists on every run and machine.
constexpr std::uint32_t kRandomSeed = 20240611;
constexpr int kRandomLists = 250;
constexpr char kRandomDir[] = "random";

const char* const kHostilePieces[] = {
    "'",
    "\"",
    "\\",
    "\\'",
    "'\\",
    "\\u0041",
    "\\x3C",
    "\\n",
    "\\0",
    "<",
    ">",
    "<!--",
    "-->",
    "<![CDATA[",
    "]]>",
    "&lt;",
    "&#39;",
    "%",
    "%s",
    "%i",
    "%%",
    "%1",
    "%20",
    "%s%s%i",
    "`${se}`",
    "');alert(1);//",
    " ",
    "\t",
    "\r",
    "\x7F",
    "\xC2\x85",                                     // U+0085, a C1 line break
    "\xC2\xA0",                                     // no-break space
    "\xE2\x80\xA8",                                 // U+2028
    "\xE2\x80\xA9",                                 // U+2029
    "\xEF\xBB\xBF",                                 // U+FEFF
    "\xEF\xBF\xBE",                                 // U+FFFE
    "\xC3\xA9",                                     // é
    "e\xCC\x81",                                    // e and a combining acute
    "\xE2\x82\xAC",                                 // €
    "\xF0\x9F\x98\x80",                             // an emoji: a surrogate pair in the script
    "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB", // emoji joined by U+200D
    "\xF4\x8F\xBF\xBF",                             // U+10FFFF
};

class RandomTexts {
  public:
    explicit RandomTexts(std::uint32_t seed) : m_engine(seed) {}

    QByteArrayList List() {
        QByteArrayList texts;
        const int count = 1 + Below(12);
        for (int index = 0; index < count; ++index)
            texts.append(Text());
        return texts;
    }

  private:
    int Below(int bound) {
        return static_cast<int>(m_engine() % static_cast<std::uint32_t>(bound));
    }

    // Never empty: an empty record ends the list file.
    QByteArray Text() {
        const int pieces = Below(20) == 0 ? 300 + Below(700) : 1 + Below(12);
        QByteArray text;
        for (int piece = 0; piece < pieces; ++piece)
            text.append(Piece());
        return text;
    }

    QByteArray Piece() {
        switch (Below(6)) {
        case 0:
            return kHostilePieces[Below(std::size(kHostilePieces))];
        case 1:
            return ScriptTag();
        case 2: {
            // A control character; a line feed would end the record.
            const char control = static_cast<char>(Below(0x20));
            return control == '\n' ? QByteArray("\x01") : QByteArray(1, control);
        }
        case 3:
            return CodePoint();
        default:
            return QByteArray(1, static_cast<char>(0x20 + Below(0x5F)));
        }
    }

    // "</script>" and its kin in any letter case.
    QByteArray ScriptTag() {
        static const char* const kStarts[] = {"</", "<", "</ ", "<!--<"};
        static const char* const kEnds[] = {">", " ", "/", "", "\t>"};
        QByteArray tag = kStarts[Below(std::size(kStarts))];
        for (const char letter : QByteArray("script"))
            tag.append(Below(2) ? letter - 'a' + 'A' : letter);
        return tag + kEnds[Below(std::size(kEnds))];
    }

    // Any character UTF-8 can carry, from Latin-1 to the last plane.
    QByteArray CodePoint() {
        static const char32_t kRanges[][2] = {
            {0x80, 0x7FF}, {0x800, 0xD7FF}, {0xE000, 0xFFFF}, {0x10000, 0x10FFFF}};
        const auto& range = kRanges[Below(std::size(kRanges))];
        const char32_t code = range[0] + static_cast<char32_t>(Below(range[1] - range[0] + 1));
        return QString::fromUcs4(&code, 1).toUtf8();
    }

    std::mt19937 m_engine;
};

// The texts go to pages.json as base64 of their UTF-8, so that the test
// decodes them itself and no JSON or QString step can hide a change.
QJsonArray Base64Texts(const QByteArrayList& texts) {
    QJsonArray list;
    for (const QByteArray& text : texts)
        list.append(QString::fromLatin1(text.toBase64()));
    return list;
}

bool WriteRandomPages(const QString& dir, QJsonArray& described) {
    if (!QDir(dir).mkpath(kRandomDir))
        return false;
    RandomTexts random(kRandomSeed);
    for (int list = 0; list < kRandomLists; ++list) {
        QByteArrayList texts = random.List();
        // A byte-order mark first in the file must stay part of the text.
        if (list % 10 == 0)
            texts.first().prepend("\xEF\xBB\xBF");
        const QString fileName =
            QString("%1/%2.html").arg(kRandomDir).arg(list, 3, 10, QChar(u'0'));
        // Every other page in the custom look, whose script is filled alike.
        if (!WritePage(dir, fileName, texts, list % 2 == 1))
            return false;
        described.append(QJsonObject{{"file", fileName}, {"texts", Base64Texts(texts)}});
    }
    return true;
}

// A page with the most images Kinetara allows.
bool WriteLargestPage(const QString& dir, QJsonObject& described) {
    QByteArrayList texts;
    texts.reserve(kMaxImages);
    for (int index = 0; index < kMaxImages; ++index)
        texts.append("photo-" + QByteArray::number(index) + ".jpg");
    const QString fileName = "largest.html";
    described = {{"file", fileName},
                 {"imageCount", kMaxImages},
                 {"first", QString::fromUtf8(texts.first())},
                 {"last", QString::fromUtf8(texts.last())}};
    return WritePage(dir, fileName, texts, false);
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
    QJsonArray randomPages;
    QJsonObject largest;
    if (!WriteRandomPages(dir, randomPages) || !WriteLargestPage(dir, largest))
        return 1;
    // A blank file page to hold the random pages in frames: a page from the
    // web may not show file pages.
    const QString framesFile = "frames.html";
    if (const FileResult host =
            WriteWholeFile(dir + u'/' + framesFile, "<!DOCTYPE html><title>frames</title>");
        !host) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(host.path), qPrintable(host.reason));
        return 1;
    }

    QJsonObject custom = Describe("custom.html", kCustomDelayMs, kShowImages);
    custom.insert("frame", QJsonObject{{"borderWidth", kFrameBorderWidth},
                                       {"borderColour", kFrameBorderColour}});
    const QJsonObject pages{
        {"automatic", Describe("automatic.html", kAutomaticDelayMs, kShowImages)},
        {"custom", custom},
        {"special", Describe("special.html", kAutomaticDelayMs, kSpecialImages)},
        {"random", QJsonObject{{"host", framesFile}, {"pages", randomPages}}},
        {"largest", largest},
    };
    const FileResult written = WriteWholeFile(dir + "/pages.json", QJsonDocument(pages).toJson());
    if (!written)
        std::fprintf(stderr, "%s: %s\n", qPrintable(written.path), qPrintable(written.reason));
    return written ? 0 : 1;
}
