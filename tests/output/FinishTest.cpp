#include "Finish.h"

#include "CaseName.h"
#include "ExpectedPageTexts.h"
#include "ScratchDirTest.h"
#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <sys/stat.h>
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

    const FileResult result = WriteSlideshow(page, false, kFilledCustomStyle, m_scratch.path());

    ASSERT_TRUE(result) << result.reason.toStdString();
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

    const FileResult result = WriteSlideshow(page, true, kFilledCustomStyle, m_scratch.path());

    ASSERT_TRUE(result) << result.reason.toStdString();
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

    ASSERT_TRUE(WriteSlideshow(page, false, {}, m_scratch.path()));

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

    ASSERT_TRUE(WriteSlideshow(link, false, {}, m_scratch.path()));

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
        const std::optional<FileResult> result = RunUnprivileged(
            [&] { return WriteSlideshow(page, true, kFilledCustomStyle, m_scratch.path()); });
        if (!result) {
            ADD_FAILURE() << "could not write as an ordinary user";
            continue;
        }
        EXPECT_EQ(result->path, page);
        EXPECT_EQ(result->reason, "Permission denied");
    }

    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    EXPECT_EQ(Entries(folder), QStringList{"old.htm"});
    EXPECT_EQ(ReadBytes(oldPage), kOldPage);
    ExpectScratchFilesUntouched();
}

struct TargetFailureCase {
    const char* name;
    QString (*prepareTarget)(FinishTest&);
    const char* reason;
};

class FinishTargetFailureTest : public FinishTest,
                                public ::testing::WithParamInterface<TargetFailureCase> {};

TEST_P(FinishTargetFailureTest, ReportsThePathAndKeepsEverything) {
    PutScratchFiles(kWorkedExampleList, "500");
    const QString target = GetParam().prepareTarget(*this);
    const QStringList entriesBefore = Entries(m_output.path());
    const std::optional<QByteArray> oldPage =
        QFileInfo(target).isFile() ? std::optional(ReadBytes(target)) : std::nullopt;

    const FileResult result = WriteSlideshow(target, true, kFilledCustomStyle, m_scratch.path());

    EXPECT_EQ(result.path, target);
    EXPECT_EQ(result.reason, GetParam().reason);
    EXPECT_EQ(Entries(m_output.path()), entriesBefore);
    if (oldPage) {
        EXPECT_EQ(ReadBytes(target), *oldPage);
    }
    ExpectScratchFilesUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FinishTargetFailureTest,
    ::testing::Values(
        TargetFailureCase{"FolderMissing",
                          [](FinishTest& test) { return test.OutputPath("missing/page.htm"); },
                          "No such file or directory"},
        TargetFailureCase{"PathNamesAFolder",
                          [](FinishTest& test) {
                              QDir().mkdir(test.OutputPath("folder"));
                              return test.OutputPath("folder");
                          },
                          "Is a directory"},
        TargetFailureCase{"FullDevice", [](FinishTest&) { return QStringLiteral("/dev/full"); },
                          "No space left on device"},
        TargetFailureCase{"PipeWithNoReader",
                          [](FinishTest& test) {
                              const QString pipe = test.OutputPath("pipe");
                              ::mkfifo(QFile::encodeName(pipe).constData(), 0644);
                              return pipe;
                          },
                          "No such device or address"},
        TargetFailureCase{"PageHeldByAnotherProgram",
                          [](FinishTest& test) {
                              const QString page = test.OutputPath("page.htm");
                              FinishTest::WriteBytes(page, kOldPage);
                              test.HoldLockOn(page);
                              return page;
                          },
                          "The file is in use by another program."}),
    CaseName());

struct ScratchFailureCase {
    const char* name;
    bool custom;
    std::optional<QByteArray> list;
    std::optional<QByteArray> speed;
    const char* failingFile;
    const char* reason;
};

class FinishScratchFailureTest : public FinishTest,
                                 public ::testing::WithParamInterface<ScratchFailureCase> {};

TEST_P(FinishScratchFailureTest, WritesNothingAndDeletesNothing) {
    const ScratchFailureCase& c = GetParam();
    PutScratchFiles(c.list, c.speed);
    const QString page = OutputPath("page.htm");

    const FileResult result = WriteSlideshow(page, c.custom, kFilledCustomStyle, m_scratch.path());

    EXPECT_EQ(result.path, ScratchPath(c.failingFile));
    EXPECT_EQ(result.reason, c.reason);
    EXPECT_TRUE(Entries(m_output.path()).isEmpty());
    ExpectScratchFilesUntouched();
}

constexpr char kEmptyList[] = "The image list is empty.";
constexpr char kNoDelay[] = "It does not hold a slide delay.";

INSTANTIATE_TEST_SUITE_P(
    ScratchFiles, FinishScratchFailureTest,
    ::testing::Values(
        ScratchFailureCase{"ListMissing", false, std::nullopt, "4000", "listitems",
                           "No such file or directory"},
        ScratchFailureCase{"ListEmpty", false, "", std::nullopt, "listitems", kEmptyList},
        ScratchFailureCase{"ListStartsWithEmptyLine", true, "\r\na.gif\r\n", "2000", "listitems",
                           kEmptyList},
        ScratchFailureCase{"SpeedMissing", true, kWorkedExampleList, std::nullopt, "speed",
                           "No such file or directory"},
        ScratchFailureCase{"SpeedEmpty", true, kWorkedExampleList, "", "speed", kNoDelay},
        ScratchFailureCase{"SpeedWithLetter", true, kWorkedExampleList, "20a0", "speed", kNoDelay},
        ScratchFailureCase{"SpeedNegative", true, kWorkedExampleList, "-500", "speed", kNoDelay},
        ScratchFailureCase{"SpeedWithBlank", true, kWorkedExampleList, " 500", "speed", kNoDelay},
        ScratchFailureCase{"SpeedWithUnit", true, kWorkedExampleList, "500ms", "speed", kNoDelay}),
    CaseName());

} // namespace
