// The grid file's reader and writer, and a whole Add through the form, at 1 to 32766 parts (a file
// of 32767 parts is full). Files live in a scratch folder under the system's temporary folder, so
// the figures include the file system: the writer flushes to the disk and renames.
#include <benchmark/benchmark.h>

#include "bench_files.h"
#include "bench_fixtures.h"
#include "common/dialogs.h"
#include "form/form_model.h"
#include "form/write_commands.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/grid_file_writer.h"
#include "storage/host_library.h"

namespace zarvek {
namespace {

void PartCounts(benchmark::internal::Benchmark* b) {
    for (const int parts : {1, 100, 1000, 10000, 32766}) {
        b->Arg(parts);
    }
    b->Unit(benchmark::kMillisecond);
}

void BM_ReadGridFile(benchmark::State& state) {
    const bench::ScratchFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    bench::WriteFileBytes(
        path, GridFileBytes(bench::SpreadOutGridFile(static_cast<int>(state.range(0)))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeGridFileObj(path));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadGridFile)->Apply(PartCounts)->Complexity();

void BM_WriteGridFile(benchmark::State& state) {
    const bench::ScratchFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    const GridFile gridFile = bench::SpreadOutGridFile(static_cast<int>(state.range(0)));
    HostLibrary noHost([] { return std::vector<std::string>{}; });
    for (auto _ : state) {
        GridFileWrite(gridFile, GridFileLock(path)).Store(noHost);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WriteGridFile)->Apply(PartCounts)->Complexity();

// A passing part whose lengths (80, 84.9, 63.2) match none of SpreadOutGridFile's (100 and up).
void TypeNewPart(FormModel& form) {
    const char* texts[] = {"Benchmark part", "6",       "0.0000",  "0.0000",  "0.0000",
                           "0.00000",        "0.00000", "1.00000", "80.0000", "0.0000",
                           "0.0000",         "0.00000", "0.00000", "1.00000", "20.0000",
                           "60.0000",        "0.0000",  "0.00000", "0.00000", "1.00000"};
    for (const Field field : AllFields()) {
        form.SetText(field, texts[IndexOf(field)]);
    }
}

// From the file on disk to the file on disk: read, probe diameter, lengths against every part,
// append, write, flush, rename. The file is put back (untimed) before each run.
void BM_AddToGridFile(benchmark::State& state) {
    const bench::ScratchFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    const std::string original =
        GridFileBytes(bench::SpreadOutGridFile(static_cast<int>(state.range(0))));
    SilentDialogs dialogs;
    FormModel form(dialogs);
    TypeNewPart(form);
    const CommandContext context{dialogs, Language::English, FileLocale(), path};
    for (auto _ : state) {
        state.PauseTiming();
        bench::WriteFileBytes(path, original);
        state.ResumeTiming();
        if (AddToGridFile(form, context) != WriteCommandOutcome::Written) {
            state.SkipWithError("the part was not added");
            break;
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddToGridFile)->Apply(PartCounts)->Complexity();

}  // namespace
}  // namespace zarvek
