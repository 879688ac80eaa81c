#include "LargePage.h"

#include "adapters/PosixFileSystem.h"
#include "adapters/QtImageProbe.h"
#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "shell/BatchCommands.h"
#include "shell/HeadlessViews.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

using namespace areamaker;

namespace {

constexpr int areasPerMap = 20;

// One generated page per size, kept for the whole run.
const LargePage &pageWithAreas(int areas)
{
    static std::map<int, std::unique_ptr<LargePage>> pages;
    auto &page = pages[areas];
    if (!page)
        page = std::make_unique<LargePage>(areas / areasPerMap, areasPerMap);
    return *page;
}

// The editor's document with the real adapters and no window.
struct Editor
{
    HeadlessViews views;
    PosixFileSystem files;
    QtImageProbe images;
    MapDocument document;
    DocumentLifecycle lifecycle{
        document,
        {&views, &views, &images, &files, &views, &views, &views, &views, &views, &views, &views}};

    void open(const std::string &path)
    {
        if (!lifecycle.OpenDocument(path, true))
            throw std::runtime_error("open failed: " + lifecycle.lastError());
    }
    void save()
    {
        if (!lifecycle.SaveDocument())
            throw std::runtime_error("save failed: " + lifecycle.lastError());
    }
};

void setCounters(benchmark::State &state, const LargePage &page)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.bytes()));
    state.counters["MB"] = static_cast<double>(page.bytes()) / 1e6;
    state.SetComplexityN(state.range(0));
}

void OpenDocument(benchmark::State &state)
{
    const LargePage &page = pageWithAreas(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Editor editor;
        editor.open(page.path());
        benchmark::DoNotOptimize(editor.document.Maps.data());
    }
    setCounters(state, page);
}

void SaveEveryMapModified(benchmark::State &state)
{
    const LargePage &page = pageWithAreas(static_cast<int>(state.range(0)));
    Editor editor;
    editor.open(page.path());
    for (auto _ : state) {
        for (int i = 0; i < editor.document.MapCount(); ++i)
            editor.document.Maps[static_cast<std::size_t>(i)].Modified = true;
        editor.save();
    }
    setCounters(state, page);
}

// Renaming rewrites every IMG tag as well as every block; names alternate so that each
// iteration really renames.
void SaveEveryMapRenamed(benchmark::State &state)
{
    const LargePage &page = pageWithAreas(static_cast<int>(state.range(0)));
    Editor editor;
    editor.open(page.path());
    int round = 0;
    for (auto _ : state) {
        ++round;
        for (int i = 0; i < editor.document.MapCount(); ++i) {
            editor.document.Maps[static_cast<std::size_t>(i)].Name =
                "carte-" + std::to_string(i) + (round % 2 ? "-bis" : "");
            editor.document.Maps[static_cast<std::size_t>(i)].Modified = true;
        }
        editor.save();
    }
    setCounters(state, page);
}

// The batch commands as scripts run them, headless, up to a page of about 100 MB: one run
// of `command` per iteration.
template <typename Command>
void timeBatch(benchmark::State &state, Command command)
{
    const LargePage &page = pageWithAreas(static_cast<int>(state.range(0)));
    PosixFileSystem files;
    QtImageProbe images;
    for (auto _ : state) {
        BatchCommands batch(files, images);
        if (command(batch, page.path()) != 0)
            throw std::runtime_error("batch command failed");
    }
    setCounters(state, page);
}

void BatchList(benchmark::State &state)
{
    timeBatch(state, [](BatchCommands &batch, const std::string &page) {
        std::ostringstream out;
        return batch.list(page, out, std::cerr);
    });
}

void BatchRewrite(benchmark::State &state)
{
    timeBatch(state, [](BatchCommands &batch, const std::string &page) {
        return batch.rewrite(page, std::cerr);
    });
}

// 1, 10, 20 and 100 MB: the time should grow in step with the page.
void pageSizes(benchmark::internal::Benchmark *bench)
{
    bench->Arg(5000)->Arg(50000)->Arg(100000)->Arg(500000);
    bench->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

} // namespace

BENCHMARK(OpenDocument)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(SaveEveryMapModified)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveEveryMapRenamed)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BatchList)->Apply(pageSizes);
BENCHMARK(BatchRewrite)->Apply(pageSizes);
