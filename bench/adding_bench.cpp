// Cost of adding documents through the adding dialog, per file, for a folder of copies of
// one fixture PDF. The reference is the engine's open + count + close of the same files,
// measured in the same run, so the ratio shows what the worker, its synchronised status
// updates and the dialog add on top of the engine.

#include "pagepress/documents/adding/taddfiletipform.h"
#include "rasterpdf/rasterpdf.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

constexpr int fileCount = 200;

QString fixturesDir()
{
    const char* dir = std::getenv("PP_FIXTURES_DIR");
    return QString::fromUtf8(dir && *dir ? dir : PP_FIXTURES_DIR_DEFAULT);
}

QStringList makeCopies(const QTemporaryDir& folder, const QString& fixture)
{
    QStringList paths;
    for (int i = 0; i < fileCount; ++i) {
        const QString path = folder.path() + QStringLiteral("/copy-%1.pdf").arg(i);
        QFile::link(fixture, path);
        paths.append(path);
    }
    return paths;
}

void engineOnly(benchmark::State& state, const QStringList& paths)
{
    for (auto _ : state) {
        for (const QString& path : paths) {
            const int32_t handle = OpenPDF(QFile::encodeName(path).constData(), 0);
            benchmark::DoNotOptimize(GetPageCount(handle));
            ClosePDF(handle);
        }
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
}

void addingDialog(benchmark::State& state, const QStringList& paths)
{
    for (auto _ : state) {
        TAddFileTipForm dialog;
        dialog.SetFiles(paths, ReportFailures::No);
        if (dialog.showModal() != uikit::ModalResult::Ok)
            state.SkipWithError("the adding run did not end with OK");
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
}

class PerFileReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_perFile[run.benchmark_name()] = run.GetAdjustedRealTime() / fileCount;
    }
    double perFile(const std::string& name) const
    {
        const auto it = m_perFile.find(name);
        return it == m_perFile.end() ? 0 : it->second;
    }

private:
    std::map<std::string, double> m_perFile;
};

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);

    const char* const fixtures[] = {"TeXoutline.pdf", "refcard-a4.pdf", "shared-mime-info-spec.pdf"};
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    for (const char* name : fixtures) {
        folders.push_back(std::make_unique<QTemporaryDir>());
        const QStringList paths = makeCopies(*folders.back(), fixturesDir() + QLatin1Char('/') + QLatin1String(name));
        benchmark::RegisterBenchmark((std::string("engine_only/") + name).c_str(), engineOnly, paths)
            ->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark((std::string("adding_dialog/") + name).c_str(), addingDialog, paths)
            ->Unit(benchmark::kMillisecond)->UseRealTime();
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    PerFileReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-28s %16s %16s %10s\n", "document", "engine us/file", "adding us/file", "ratio");
    for (const char* name : fixtures) {
        // Real times are reported in the benchmarks' unit, milliseconds.
        const double engine = reporter.perFile(std::string("engine_only/") + name) * 1000;
        const double adding = reporter.perFile(std::string("adding_dialog/") + name) * 1000;
        std::printf("%-28s %16.1f %16.1f %9.2fx\n", name, engine, adding, engine > 0 ? adding / engine : 0.0);
    }
    return 0;
}
