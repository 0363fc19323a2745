// The output library's work on large image lists, each beside the time the
// system's own cp takes to copy a file of the same bytes: the yardstick the
// library is held to.

#include "PageTexts.h"
#include "ScratchFiles.h"
#include "SlideshowPage.h"
#include "WholeFile.h"

#include <QByteArrayList>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// 24 bytes each, a folder and a numbered file name as a camera would give them.
QByteArrayList MakeImageTexts(qsizetype count) {
    QByteArrayList images;
    images.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        images.append("images/photo-" + QByteArray::number(i).rightJustified(7, '0') + ".jpg");
    return images;
}

QByteArray BuildPage(const QByteArrayList& images) {
    return BuildSlideshowPage(images, kAutomaticDelay, LoadPageText(IDS_HTML_STYLE_DEFAULT));
}

// Runs /bin/cp as a shell would, so the yardstick includes starting the program.
bool CopyWithCp(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    char* const argv[] = {const_cast<char*>("cp"), const_cast<char*>(source.constData()),
                          const_cast<char*>(target.constData()), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, "/bin/cp", nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void TimeCpCopies(benchmark::State& state, const QString& source, const QString& target) {
    for (auto _ : state) {
        if (!CopyWithCp(source, target)) {
            state.SkipWithError("cp failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * QFile(source).size());
}

void BM_BuildAndWritePage(benchmark::State& state) {
    const QTemporaryDir dir;
    const QByteArrayList images = MakeImageTexts(state.range(0));
    const QString path = dir.filePath("show.html");
    qsizetype pageSize = 0;
    for (auto _ : state) {
        const QByteArray page = BuildPage(images);
        if (!WriteWholeFile(path, page)) {
            state.SkipWithError("cannot write the page");
            return;
        }
        pageSize = page.size();
    }
    state.SetBytesProcessed(state.iterations() * pageSize);
    state.SetComplexityN(state.range(0));
}

void BM_CpPageBytes(benchmark::State& state) {
    const QTemporaryDir dir;
    const QString page = dir.filePath("show.html");
    if (!WriteWholeFile(page, BuildPage(MakeImageTexts(state.range(0))))) {
        state.SkipWithError("cannot write the page");
        return;
    }
    TimeCpCopies(state, page, dir.filePath("copy.html"));
}

void BM_ReadListItems(benchmark::State& state) {
    const QTemporaryDir dir;
    if (!WriteListItems(MakeImageTexts(state.range(0)), dir.path())) {
        state.SkipWithError("cannot write listitems");
        return;
    }
    for (auto _ : state) {
        const ListItemsRead read = ReadListItems(dir.path());
        if (!read.file || read.images.size() != state.range(0)) {
            state.SkipWithError("cannot read listitems back");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() *
                            QFile(ScratchFilePath(dir.path(), kListItemsFile)).size());
}

void BM_CpListItemsBytes(benchmark::State& state) {
    const QTemporaryDir dir;
    if (!WriteListItems(MakeImageTexts(state.range(0)), dir.path())) {
        state.SkipWithError("cannot write listitems");
        return;
    }
    TimeCpCopies(state, ScratchFilePath(dir.path(), kListItemsFile), dir.filePath("copy"));
}

// Files and a child process are involved, so only wall-clock time tells.
void WallClockMilliseconds(benchmark::internal::Benchmark* family) {
    family->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_BuildAndWritePage)
    ->Apply(WallClockMilliseconds)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_CpPageBytes)->Apply(WallClockMilliseconds)->Arg(1'000)->Arg(100'000)->Arg(1'000'000);
BENCHMARK(BM_ReadListItems)->Apply(WallClockMilliseconds)->Arg(1'000'000);
BENCHMARK(BM_CpListItemsBytes)->Apply(WallClockMilliseconds)->Arg(1'000'000);
