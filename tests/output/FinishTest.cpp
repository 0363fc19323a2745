#include "Finish.h"

#include "CaseName.h"
#include "ExpectedPageTexts.h"
#include "ImageLimit.h"
#include "ScratchDirTest.h"
#include "SlideshowPage.h"
#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr char kWorkedExampleList[] = "myimage.gif\r\n../../myimage.gif\r\n";
const QByteArray kOldPage(3000, 'o');

QByteArray WorkedExamplePage(const QByteArray& style, const QByteArray& delay) {
    QByteArray script(kWorkedExampleScript);
    script.replace("setTimeout(limg, 2000)", "setTimeout(limg, " + delay + ")");
    return style + script + kExpectedBody + kExpectedTail;
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t ModeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 07777;
}

// The code a failure must carry; texts follow the user's language.
struct Failure {
    FileError error;
    int systemError = 0;
};

void ExpectFailure(const FileResult& result, const Failure& expected) {
    EXPECT_EQ(result.error, expected.error) << result.reason.toStdString();
    EXPECT_EQ(result.systemError, expected.systemError) << result.reason.toStdString();
}

class FinishTest : public ScratchDirTest {
  public:
    // Writes the scratch files; a missing value leaves that file out.
    void PutScratchFiles(const std::optional<QByteArray>& list,
                         const std::optional<QByteArray>& speed) {
        m_list = list;
        m_speed = speed;
        if (list)
            WriteBytes(ScratchPath("listitems"), *list);
        if (speed)
            WriteBytes(ScratchPath("speed"), *speed);
    }

    // A failed Finish must leave the scratch files for the next attempt.
    void ExpectScratchFilesUntouched() const {
        EXPECT_EQ(QFile::exists(ScratchPath("listitems")), m_list.has_value());
        if (m_list) {
            EXPECT_EQ(ReadBytes(ScratchPath("listitems")), *m_list);
        }
        EXPECT_EQ(QFile::exists(ScratchPath("speed")), m_speed.has_value());
        if (m_speed) {
            EXPECT_EQ(ReadBytes(ScratchPath("speed")), *m_speed);
        }
    }

  private:
    std::optional<QByteArray> m_list;
    std::optional<QByteArray> m_speed;
};

TEST_F(FinishTest, AutomaticLookWritesThePageDeletesTheListAndLeavesSpeed) {
    PutScratchFiles(kWorkedExampleList, "4000");
    const QString page = OutputPath("my slide show.htm");

    const SlideshowWritten result =
        WriteSlideshow(page, false, kFilledCustomStyle, m_scratch.path());

    ASSERT_TRUE(result.pageWritten && result.failure) << result.failure.reason.toStdString();
    EXPECT_EQ(ReadBytes(page), WorkedExamplePage(kExpectedStyleDefault, "2000"));
    EXPECT_FALSE(QFile::exists(ScratchPath("listitems")));
    EXPECT_EQ(ReadBytes(ScratchPath("speed")), "4000");
    EXPECT_EQ(Entries(m_output.path()), QStringList{"my slide show.htm"});
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(page), 0666 & ~mask);
}

TEST_F(FinishTest, CustomLookUsesStyleAndSpeedAndDeletesBothFiles) {
    PutScratchFiles(kWorkedExampleList, "500");
    const QString page = OutputPath("custom.htm");

    const SlideshowWritten result =
        WriteSlideshow(page, true, kFilledCustomStyle, m_scratch.path());

    ASSERT_TRUE(result.pageWritten && result.failure) << result.failure.reason.toStdString();
    const QByteArray written = ReadBytes(page);
    EXPECT_EQ(written, WorkedExamplePage(kFilledCustomStyle, "500"));
    EXPECT_EQ(written.count('\n'), 1);
    EXPECT_FALSE(QFile::exists(ScratchPath("listitems")));
    EXPECT_FALSE(QFile::exists(ScratchPath("speed")));
}

TEST_F(FinishTest, ReplacesALongerPageWholeAndKeepsItsMode) {
    PutScratchFiles(kWorkedExampleList, std::nullopt);
    const QString page = OutputPath("page.htm");
    WriteBytes(page, kOldPage + kOldPage);
    ASSERT_EQ(::chmod(QFile::encodeName(page).constData(), 0640), 0);

    ASSERT_TRUE(WriteSlideshow(page, false, {}, m_scratch.path()).pageWritten);

    EXPECT_EQ(ReadBytes(page), WorkedExamplePage(kExpectedStyleDefault, "2000"));
    EXPECT_EQ(ModeOf(page), mode_t(0640));
    EXPECT_EQ(Entries(m_output.path()), QStringList{"page.htm"});
}

TEST_F(FinishTest, SymbolicLinkIsWrittenThroughToItsTarget) {
    PutScratchFiles(kWorkedExampleList, std::nullopt);
    ASSERT_TRUE(QDir(m_output.path()).mkdir("real"));
    const QString target = OutputPath("real/page.htm");
    const QString link = OutputPath("link.htm");
    WriteBytes(target, kOldPage);
    ASSERT_EQ(::symlink("real/page.htm", QFile::encodeName(link).constData()), 0);

    ASSERT_TRUE(WriteSlideshow(link, false, {}, m_scratch.path()).pageWritten);

    EXPECT_EQ(ReadBytes(target), WorkedExamplePage(kExpectedStyleDefault, "2000"));
    const QFileInfo linkInfo(link);
    EXPECT_TRUE(linkInfo.isSymLink());
    EXPECT_EQ(linkInfo.symLinkTarget(), target);
    EXPECT_EQ(Entries(OutputPath("real")), QStringList{"page.htm"});
}

TEST_F(FinishTest, ReadOnlyFolderRefusesThePageAndKeepsAnOldOneWhole) {
    PutScratchFiles(kWorkedExampleList, "500");
    // An ordinary user must be able to reach the folders and read the scratch files.
    for (const QString& dir : {m_scratch.path(), m_output.path()})
        ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0755), 0);
    const QString folder = OutputPath("read-only");
    ASSERT_TRUE(QDir(m_output.path()).mkdir("read-only"));
    const QString oldPage = folder + "/old.htm";
    WriteBytes(oldPage, kOldPage);
    // The page itself is writable: only the folder stops a replacement.
    ASSERT_EQ(::chmod(QFile::encodeName(oldPage).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);

    for (const QString& page : {folder + "/new.htm", oldPage}) {
        const std::optional<FileResult> result = RunUnprivileged([&] {
            return WriteSlideshow(page, true, kFilledCustomStyle, m_scratch.path()).failure;
        });
        if (!result) {
            ADD_FAILURE() << "could not write as an ordinary user";
            continue;
        }
        EXPECT_EQ(result->path, page);
        EXPECT_EQ(result->systemError, EACCES);
    }

    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    EXPECT_EQ(Entries(folder), QStringList{"old.htm"});
    EXPECT_EQ(ReadBytes(oldPage), kOldPage);
    ExpectScratchFilesUntouched();
}

struct TargetFailureCase {
    const char* name;
    QString (*prepareTarget)(FinishTest&);
    Failure expected;
};

class FinishTargetFailureTest : public FinishTest,
                                public ::testing::WithParamInterface<TargetFailureCase> {};

TEST_P(FinishTargetFailureTest, ReportsThePathAndKeepsEverything) {
    PutScratchFiles(kWorkedExampleList, "500");
    const QString target = GetParam().prepareTarget(*this);
    const QStringList entriesBefore = Entries(m_output.path());
    const std::optional<QByteArray> oldPage =
        QFileInfo(target).isFile() ? std::optional(ReadBytes(target)) : std::nullopt;

    const SlideshowWritten result =
        WriteSlideshow(target, true, kFilledCustomStyle, m_scratch.path());

    EXPECT_FALSE(result.pageWritten);
    EXPECT_EQ(result.failure.path, target);
    ExpectFailure(result.failure, GetParam().expected);
    EXPECT_EQ(Entries(m_output.path()), entriesBefore);
    if (oldPage) {
        EXPECT_EQ(ReadBytes(target), *oldPage);
    }
    ExpectScratchFilesUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FinishTargetFailureTest,
    ::testing::Values(TargetFailureCase{"FolderMissing",
                                        [](FinishTest& test) {
                                            return test.OutputPath("missing/page.htm");
                                        },
                                        {FileError::System, ENOENT}},
                      TargetFailureCase{"PathNamesAFolder",
                                        [](FinishTest& test) {
                                            QDir().mkdir(test.OutputPath("folder"));
                                            return test.OutputPath("folder");
                                        },
                                        {FileError::System, EISDIR}},
                      TargetFailureCase{"FullDevice",
                                        [](FinishTest&) { return QStringLiteral("/dev/full"); },
                                        {FileError::System, ENOSPC}},
                      TargetFailureCase{"PipeWithNoReader",
                                        [](FinishTest& test) {
                                            const QString pipe = test.OutputPath("pipe");
                                            ::mkfifo(QFile::encodeName(pipe).constData(), 0644);
                                            return pipe;
                                        },
                                        {FileError::System, ENXIO}},
                      TargetFailureCase{"PageHeldByAnotherProgram",
                                        [](FinishTest& test) {
                                            const QString page = test.OutputPath("page.htm");
                                            FinishTest::WriteBytes(page, kOldPage);
                                            test.HoldLockOn(page);
                                            return page;
                                        },
                                        {FileError::InUseByAnotherProgram}}),
    CaseName());

struct ScratchFailureCase {
    const char* name;
    bool custom;
    std::optional<QByteArray> list;
    std::optional<QByteArray> speed;
    const char* failingFile;
    Failure expected;
};

class FinishScratchFailureTest : public FinishTest,
                                 public ::testing::WithParamInterface<ScratchFailureCase> {};

TEST_P(FinishScratchFailureTest, WritesNothingAndDeletesNothing) {
    const ScratchFailureCase& c = GetParam();
    PutScratchFiles(c.list, c.speed);
    const QString page = OutputPath("page.htm");

    const SlideshowWritten result =
        WriteSlideshow(page, c.custom, kFilledCustomStyle, m_scratch.path());

    EXPECT_FALSE(result.pageWritten);
    EXPECT_EQ(result.failure.path, ScratchPath(c.failingFile));
    ExpectFailure(result.failure, c.expected);
    EXPECT_TRUE(Entries(m_output.path()).isEmpty());
    ExpectScratchFilesUntouched();
}

constexpr Failure kEmptyList{FileError::EmptyList};
constexpr Failure kNoDelay{FileError::NoDelay};
constexpr Failure kNoSuchFile{FileError::System, ENOENT};

INSTANTIATE_TEST_SUITE_P(
    ScratchFiles, FinishScratchFailureTest,
    ::testing::Values(
        ScratchFailureCase{"ListMissing", false, std::nullopt, "4000", "listitems", kNoSuchFile},
        ScratchFailureCase{"ListEmpty", false, "", std::nullopt, "listitems", kEmptyList},
        ScratchFailureCase{"ListStartsWithEmptyLine", true, "\r\na.gif\r\n", "2000", "listitems",
                           kEmptyList},
        ScratchFailureCase{"SpeedMissing", true, kWorkedExampleList, std::nullopt, "speed",
                           kNoSuchFile},
        ScratchFailureCase{"SpeedEmpty", true, kWorkedExampleList, "", "speed", kNoDelay},
        ScratchFailureCase{"SpeedWithLetter", true, kWorkedExampleList, "20a0", "speed", kNoDelay},
        ScratchFailureCase{"SpeedNegative", true, kWorkedExampleList, "-500", "speed", kNoDelay},
        ScratchFailureCase{"SpeedWithBlank", true, kWorkedExampleList, " 500", "speed", kNoDelay},
        ScratchFailureCase{"SpeedWithUnit", true, kWorkedExampleList, "500ms", "speed", kNoDelay}),
    CaseName());

} // namespace

namespace {

struct SameFileCase {
    const char* name;
    bool custom;
    // Makes the output path lead to a scratch file.
    QString (*outputFor)(FinishTest&);
};

class FinishSameFileTest : public FinishTest, public ::testing::WithParamInterface<SameFileCase> {};

// Writing the page there and then deleting the scratch files would delete the page.
TEST_P(FinishSameFileTest, OutputThatIsAScratchFileIsRefusedBeforeAnythingIsRead) {
    PutScratchFiles(kWorkedExampleList, "500");
    const QString output = GetParam().outputFor(*this);

    const SlideshowWritten result =
        WriteSlideshow(output, GetParam().custom, kFilledCustomStyle, m_scratch.path());

    EXPECT_FALSE(result.pageWritten);
    EXPECT_EQ(result.failure.path, output);
    ExpectFailure(result.failure, {FileError::SameFileAsScratchFile});
    ExpectScratchFilesUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, FinishSameFileTest,
    ::testing::Values(
        SameFileCase{"ListItself", false,
                     [](FinishTest& test) { return test.ScratchPath("listitems"); }},
        SameFileCase{"ListThroughADot", false,
                     [](FinishTest& test) { return test.ScratchPath(".") + "/./listitems"; }},
        SameFileCase{"SymbolicLinkToTheList", false,
                     [](FinishTest& test) {
                         const QString link = test.OutputPath("link.htm");
                         QFile::link(test.ScratchPath("listitems"), link);
                         return link;
                     }},
        SameFileCase{"HardLinkToTheList", false,
                     [](FinishTest& test) {
                         const QString link = test.OutputPath("hard.htm");
                         ::link(QFile::encodeName(test.ScratchPath("listitems")).constData(),
                                QFile::encodeName(link).constData());
                         return link;
                     }},
        SameFileCase{"SpeedInTheCustomLook", true,
                     [](FinishTest& test) { return test.ScratchPath("speed"); }}),
    CaseName());

TEST_F(FinishTest, ScratchFileThatCannotBeRemovedStillCountsAsAWrittenPage) {
    PutScratchFiles(kWorkedExampleList, "500");
    const QString page = OutputPath("page.htm");
    ASSERT_EQ(::chmod(QFile::encodeName(m_output.path()).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(m_scratch.path()).constData(), 0555), 0);

    // Only the deletion fails, so the child reports it as an ordinary failure.
    const std::optional<FileResult> result = RunUnprivileged([&] {
        const SlideshowWritten written =
            WriteSlideshow(page, true, kFilledCustomStyle, m_scratch.path());
        return written.pageWritten ? written.failure
                                   : FileResult::Failure(page, FileError::EmptyList);
    });

    ASSERT_EQ(::chmod(QFile::encodeName(m_scratch.path()).constData(), 0700), 0);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->path, ScratchPath("listitems"));
    ExpectFailure(*result, {FileError::System, EACCES});
    EXPECT_EQ(ReadBytes(page), WorkedExamplePage(kFilledCustomStyle, "500"));
}

TEST_F(FinishTest, PipeWithAReaderGetsTheWholePage) {
    QByteArray list;
    QByteArrayList images;
    for (int index = 0; index < 4000; ++index) {
        images.append("images/picture-number-" + QByteArray::number(index) + ".gif");
        list += images.constLast() + "\r\n";
    }
    PutScratchFiles(list, std::nullopt);
    const QString pipe = OutputPath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);

    QByteArray received;
    std::thread reader([&] {
        QFile file(pipe);
        if (file.open(QIODevice::ReadOnly))
            received = file.readAll();
    });
    // The writer opens without waiting, so wait for the reader to be there.
    int probe = -1;
    while ((probe = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK)) < 0)
        std::this_thread::yield();
    const SlideshowWritten result = WriteSlideshow(pipe, false, {}, m_scratch.path());
    ::close(probe);
    reader.join();

    EXPECT_TRUE(result.pageWritten);
    const QByteArray page = BuildSlideshowPage(images, kAutomaticDelay, kExpectedStyleDefault);
    ASSERT_GT(page.size(), 64 * 1024); // more than a pipe holds
    EXPECT_EQ(received, page);
}

TEST_F(FinishTest, ListLongerThanABrowserRunsIsRefused) {
    QByteArray list;
    for (int index = 0; index < kMaxImages; ++index)
        list += "a.gif\r\n";
    const QString page = OutputPath("page.htm");

    PutScratchFiles(list + "b.gif\r\n", std::nullopt);
    const SlideshowWritten tooMany = WriteSlideshow(page, false, {}, m_scratch.path());
    EXPECT_FALSE(tooMany.pageWritten);
    EXPECT_EQ(tooMany.failure.path, ScratchPath("listitems"));
    ExpectFailure(tooMany.failure, {FileError::TooManyImages});
    EXPECT_FALSE(QFile::exists(page));

    PutScratchFiles(list, std::nullopt);
    EXPECT_TRUE(WriteSlideshow(page, false, {}, m_scratch.path()).pageWritten);
}

} // namespace
