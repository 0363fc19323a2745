#include "ScratchFiles.h"

#include "CaseName.h"
#include "ScratchDirTest.h"

#include <QFile>

namespace {

constexpr char kInUse[] = "The file is in use by another program.";
constexpr char kNoSuchFile[] = "No such file or directory";

using ScratchFilesTest = ScratchDirTest;

TEST_F(ScratchFilesTest, WorkedExampleListIs32BytesAndReadsBackWithoutBeingDeleted) {
    const QByteArrayList images = {"myimage.gif", "../../myimage.gif"};
    ASSERT_TRUE(WriteListItems(images, m_scratch.path()));
    EXPECT_EQ(ReadBytes(ScratchPath("listitems")), "myimage.gif\r\n../../myimage.gif\r\n");
    EXPECT_EQ(ReadBytes(ScratchPath("listitems")).size(), 32);

    const ListItemsRead read = ReadListItems(m_scratch.path());
    EXPECT_TRUE(read.file);
    EXPECT_EQ(read.images, images);
    EXPECT_TRUE(QFile::exists(ScratchPath("listitems")));
}

TEST_F(ScratchFilesTest, ImageTextsComeBackUnchanged) {
    const QByteArrayList images = {" my image .gif", "it's \"quoted\"", "C:\\pics\\a.gif",
                                   "100%.gif", "caf\xc3\xa9.gif"};
    ASSERT_TRUE(WriteListItems(images, m_scratch.path()));
    EXPECT_EQ(ReadListItems(m_scratch.path()).images, images);
}

TEST_F(ScratchFilesTest, ShorterContentReplacesLongerWhole) {
    ASSERT_TRUE(WriteSpeed("2000", m_scratch.path()));
    EXPECT_EQ(ReadBytes(ScratchPath("speed")), "2000");
    ASSERT_TRUE(WriteSpeed("4000", m_scratch.path()));
    ASSERT_TRUE(WriteSpeed("500", m_scratch.path()));
    EXPECT_EQ(ReadBytes(ScratchPath("speed")), "500");

    ASSERT_TRUE(WriteListItems({"a-long-first-image.gif", "second.gif"}, m_scratch.path()));
    ASSERT_TRUE(WriteListItems({"x"}, m_scratch.path()));
    EXPECT_EQ(ReadBytes(ScratchPath("listitems")), "x\r\n");
}

TEST_F(ScratchFilesTest, MissingFilesAreReportedAndReadAsNothing) {
    const ListItemsRead list = ReadListItems(m_scratch.path());
    EXPECT_EQ(list.file.path, ScratchPath("listitems"));
    EXPECT_EQ(list.file.reason, kNoSuchFile);
    EXPECT_TRUE(list.images.isEmpty());

    const SpeedRead speed = ReadSpeed(m_scratch.path());
    EXPECT_EQ(speed.file.path, ScratchPath("speed"));
    EXPECT_EQ(speed.file.reason, kNoSuchFile);
    EXPECT_TRUE(speed.delay.isEmpty());
}

TEST_F(ScratchFilesTest, WritersReportAFolderThatIsNotThere) {
    const QString gone = m_scratch.filePath("gone");
    const FileResult list = WriteListItems({"a.gif"}, gone);
    EXPECT_EQ(list.path, gone + "/listitems");
    EXPECT_EQ(list.reason, kNoSuchFile);

    const FileResult speed = WriteSpeed("2000", gone);
    EXPECT_EQ(speed.path, gone + "/speed");
    EXPECT_EQ(speed.reason, kNoSuchFile);
}

TEST_F(ScratchFilesTest, FileHeldByAnotherOpenerCannotBeOpened) {
    WriteBytes(ScratchPath("listitems"), "old.gif\r\n");
    WriteBytes(ScratchPath("speed"), "4000");
    HoldLockOn(ScratchPath("listitems"));
    HoldLockOn(ScratchPath("speed"));

    const ListItemsRead list = ReadListItems(m_scratch.path());
    EXPECT_EQ(list.file.path, ScratchPath("listitems"));
    EXPECT_EQ(list.file.reason, kInUse);
    EXPECT_TRUE(list.images.isEmpty());
    EXPECT_EQ(ReadSpeed(m_scratch.path()).file.reason, kInUse);

    EXPECT_EQ(WriteListItems({"new.gif"}, m_scratch.path()).reason, kInUse);
    EXPECT_EQ(WriteSpeed("500", m_scratch.path()).reason, kInUse);
    EXPECT_EQ(ReadBytes(ScratchPath("listitems")), "old.gif\r\n");
    EXPECT_EQ(ReadBytes(ScratchPath("speed")), "4000");
}

struct ListCase {
    const char* name;
    QByteArray file;
    QByteArrayList images;
};

class ListItemsLinesTest : public ScratchDirTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListItemsLinesTest, ReadsTheLinesBeforeTheFirstEmptyOne) {
    WriteBytes(ScratchPath("listitems"), GetParam().file);
    const ListItemsRead read = ReadListItems(m_scratch.path());
    EXPECT_TRUE(read.file);
    EXPECT_EQ(read.images, GetParam().images);
}

// The reader's buffer is 4096 bytes: these lines straddle its edge.
const QByteArray kLongLine(5000, 'x');
const QByteArray kLineWithCrAtBufferEnd(4095, 'y');
const QByteArray kLineEndingAtBufferEnd(4094, 'w');
const QByteArray kLongLastLine(9000, 'v');

INSTANTIATE_TEST_SUITE_P(
    LineRules, ListItemsLinesTest,
    ::testing::Values(ListCase{"CrLf", "a.gif\r\nb.gif\r\n", {"a.gif", "b.gif"}},
                      ListCase{"BareLf", "a.gif\nb.gif\n", {"a.gif", "b.gif"}},
                      ListCase{"EmptyLineEndsTheList", "a.gif\r\n\r\nb.gif\r\n", {"a.gif"}},
                      ListCase{"EmptyFirstLine", "\r\na.gif\r\n", {}},
                      ListCase{"LastLineWithoutLineEnd", "a.gif\r\nb.gif", {"a.gif", "b.gif"}},
                      ListCase{"EmptyFile", "", {}},
                      ListCase{"LineLongerThanTheBuffer", kLongLine + "\r\nz", {kLongLine, "z"}},
                      ListCase{"CrLfSplitByTheBuffer",
                               kLineWithCrAtBufferEnd + "\r\nz\r\n",
                               {kLineWithCrAtBufferEnd, "z"}},
                      ListCase{"EmptyLineStartsTheSecondBuffer",
                               kLineEndingAtBufferEnd + "\r\n\r\nafter\r\n",
                               {kLineEndingAtBufferEnd}},
                      ListCase{"LongLastLineWithoutLineEnd", kLongLastLine, {kLongLastLine}}),
    CaseName());

struct SpeedCase {
    const char* name;
    QByteArray file;
    QByteArray delay;
};

class SpeedLineTest : public ScratchDirTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(SpeedLineTest, ReadsTheFirstLine) {
    WriteBytes(ScratchPath("speed"), GetParam().file);
    const SpeedRead read = ReadSpeed(m_scratch.path());
    EXPECT_TRUE(read.file);
    EXPECT_EQ(read.delay, GetParam().delay);
    EXPECT_TRUE(QFile::exists(ScratchPath("speed")));
}

INSTANTIATE_TEST_SUITE_P(LineRules, SpeedLineTest,
                         ::testing::Values(SpeedCase{"DigitsAlone", "2000", "2000"},
                                           SpeedCase{"CrLfAfterDigits", "500\r\n", "500"},
                                           SpeedCase{"LfAfterDigits", "3000\n", "3000"},
                                           SpeedCase{"SecondLineIgnored", "1000\r\n4000", "1000"},
                                           SpeedCase{"EmptyFile", "", ""}),
                         CaseName());

} // namespace
