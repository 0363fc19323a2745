#include "ScratchFiles.h"

#include "CaseName.h"
#include "ScratchDirTest.h"
#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

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
    EXPECT_EQ(list.file.systemError, ENOENT);
    EXPECT_TRUE(list.images.isEmpty());

    const SpeedRead speed = ReadSpeed(m_scratch.path());
    EXPECT_EQ(speed.file.path, ScratchPath("speed"));
    EXPECT_EQ(speed.file.systemError, ENOENT);
    EXPECT_TRUE(speed.delay.isEmpty());
}

TEST_F(ScratchFilesTest, WritersReportAFolderThatIsNotThere) {
    const QString gone = m_scratch.filePath("gone");
    const FileResult list = WriteListItems({"a.gif"}, gone);
    EXPECT_EQ(list.path, gone + "/listitems");
    EXPECT_EQ(list.systemError, ENOENT);

    const FileResult speed = WriteSpeed("2000", gone);
    EXPECT_EQ(speed.path, gone + "/speed");
    EXPECT_EQ(speed.systemError, ENOENT);
}

// Another Kinetara window holds the files it wrote under just such a lock.
TEST_F(ScratchFilesTest, FileHeldByAnotherWindowIsNeitherReadNorReplaced) {
    WriteBytes(ScratchPath("listitems"), "old.gif\r\n");
    WriteBytes(ScratchPath("speed"), "4000");
    HoldLockOn(ScratchPath("listitems"));
    HoldLockOn(ScratchPath("speed"));

    const ListItemsRead list = ReadListItems(m_scratch.path());
    EXPECT_EQ(list.file.path, ScratchPath("listitems"));
    EXPECT_EQ(list.file.error, FileError::InUseByAnotherWindow);
    EXPECT_TRUE(list.images.isEmpty());
    EXPECT_EQ(ReadSpeed(m_scratch.path()).file.error, FileError::InUseByAnotherWindow);

    EXPECT_EQ(WriteListItems({"new.gif"}, m_scratch.path()).error, FileError::InUseByAnotherWindow);
    EXPECT_EQ(WriteSpeed("500", m_scratch.path()).error, FileError::InUseByAnotherWindow);
    EXPECT_EQ(ReadBytes(ScratchPath("listitems")), "old.gif\r\n");
    EXPECT_EQ(ReadBytes(ScratchPath("speed")), "4000");
}

TEST_F(ScratchFilesTest, WritersReplaceASymbolicLinkInsteadOfWritingThroughIt) {
    const QString notes = OutputPath("notes.txt");
    WriteBytes(notes, "my notes");
    for (const char* name : {"listitems", "speed"})
        ASSERT_TRUE(QFile::link(notes, ScratchPath(name)));

    ASSERT_TRUE(WriteListItems({"a.gif"}, m_scratch.path()));
    ASSERT_TRUE(WriteSpeed("500", m_scratch.path()));

    EXPECT_EQ(ReadBytes(notes), "my notes");
    EXPECT_FALSE(QFileInfo(ScratchPath("listitems")).isSymLink());
    EXPECT_EQ(ReadBytes(ScratchPath("listitems")), "a.gif\r\n");
    EXPECT_EQ(ReadBytes(ScratchPath("speed")), "500");
}

struct SpecialFileCase {
    const char* name;
    void (*make)(const QString& path);
};

class ScratchSpecialFileTest : public ScratchDirTest,
                               public ::testing::WithParamInterface<SpecialFileCase> {};

// A pipe would block the read for ever, /dev/zero would fill the memory.
TEST_P(ScratchSpecialFileTest, ReadersRefuseAnythingButARegularFileAtOnce) {
    for (const char* name : {"listitems", "speed"})
        GetParam().make(ScratchPath(name));

    const ListItemsRead list = ReadListItems(m_scratch.path());
    EXPECT_EQ(list.file.error, FileError::NotARegularFile);
    EXPECT_EQ(list.file.path, ScratchPath("listitems"));
    EXPECT_TRUE(list.images.isEmpty());
    EXPECT_EQ(ReadSpeed(m_scratch.path()).file.error, FileError::NotARegularFile);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ScratchSpecialFileTest,
    ::testing::Values(
        SpecialFileCase{"Pipe",
                        [](const QString& path) {
                            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
                        }},
        SpecialFileCase{"LinkToDevZero",
                        [](const QString& path) { ASSERT_TRUE(QFile::link("/dev/zero", path)); }},
        SpecialFileCase{"Folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }}),
    CaseName());

// Two windows started in one folder: while one holds its list, the other can
// neither read it as its own nor put its list in its place.
TEST_F(ScratchFilesTest, FileWrittenByAnotherProcessIsHeldUntilItEnds) {
    int ready[2];
    int release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        const bool written = WriteListItems({"theirs.gif"}, m_scratch.path()).ok();
        char byte = written ? 1 : 0;
        (void)!::write(ready[1], &byte, 1);
        (void)!::read(release[0], &byte, 1);
        ::_exit(0);
    }
    char written = 0;
    ASSERT_EQ(::read(ready[0], &written, 1), 1);
    ASSERT_EQ(written, 1);

    EXPECT_EQ(WriteListItems({"mine.gif"}, m_scratch.path()).error,
              FileError::InUseByAnotherWindow);
    EXPECT_EQ(ReadListItems(m_scratch.path()).file.error, FileError::InUseByAnotherWindow);
    EXPECT_EQ(ReadBytes(ScratchPath("listitems")), "theirs.gif\r\n");

    ASSERT_EQ(::write(release[1], &written, 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    for (const int fd : {ready[0], ready[1], release[0], release[1]})
        ::close(fd);

    EXPECT_TRUE(WriteListItems({"mine.gif"}, m_scratch.path()));
    EXPECT_EQ(ReadListItems(m_scratch.path()).images, QByteArrayList{"mine.gif"});
}

TEST_F(ScratchFilesTest, OnlyTheFileThatWasReadIsRemoved) {
    ASSERT_TRUE(WriteSpeed("500", m_scratch.path()));
    const SpeedRead first = ReadSpeed(m_scratch.path());
    ASSERT_TRUE(WriteSpeed("4000", m_scratch.path()));

    EXPECT_TRUE(RemoveScratchFile("speed", first.identity, m_scratch.path()));
    EXPECT_EQ(ReadBytes(ScratchPath("speed")), "4000");

    EXPECT_TRUE(RemoveScratchFile("speed", ReadSpeed(m_scratch.path()).identity, m_scratch.path()));
    EXPECT_FALSE(QFile::exists(ScratchPath("speed")));
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

namespace {

// A launcher may start the wizard in a folder it may not write, such as /.
TEST_F(ScratchFilesTest, UnwritableStartFolderKeepsTheFilesInTheRuntimeFolder) {
    const QString runtime = OutputPath("runtime");
    ASSERT_TRUE(QDir().mkdir(runtime));
    for (const QString& dir : {m_output.path(), runtime, m_scratch.path()})
        ASSERT_EQ(
            ::chmod(QFile::encodeName(dir).constData(), dir == m_scratch.path() ? 0555 : 0777), 0);
    const QString start = m_scratch.path();

    // Without root this runs in the test's own process: give back its folder and variable.
    const QString previousDir = QDir::currentPath();
    const QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    const std::optional<FileResult> result = RunUnprivileged([&] {
        if (::chdir(QFile::encodeName(start).constData()) != 0)
            return FileResult::FromErrno(start, errno);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        FileResult outcome = WriteListItems({"a.gif"});
        if (outcome) {
            const ListItemsRead read = ReadListItems();
            outcome = read.images == QByteArrayList{"a.gif"}
                          ? read.file
                          : FileResult::Failure({}, FileError::EmptyList);
        }
        QDir::setCurrent(previousDir);
        qputenv("XDG_RUNTIME_DIR", previousRuntime);
        return outcome;
    });

    ASSERT_EQ(::chmod(QFile::encodeName(start).constData(), 0700), 0);
    ASSERT_TRUE(result);
    EXPECT_TRUE(*result) << result->reason.toStdString();
    EXPECT_EQ(ReadBytes(runtime + "/kinetara/listitems"), "a.gif\r\n");
    EXPECT_FALSE(QFile::exists(ScratchPath("listitems")));
}

} // namespace
