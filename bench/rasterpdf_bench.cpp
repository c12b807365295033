// Costs of the PDF engine as the application meets them: counting a document's pages when it
// is added (open + count + close), and drawing one page at the preview size 168 x 194.
// Each figure is printed as a ratio against poppler called directly on the same file in the
// same run, so the table shows the engine's own overhead independent of the machine.

#include "rasterpdf/rasterpdf.h"

#include <benchmark/benchmark.h>
#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int previewWidth = 168;
constexpr int previewHeight = 194;

std::filesystem::path fixturesDir()
{
    const char *dir = std::getenv("PP_FIXTURES_DIR");
    return dir && *dir ? std::filesystem::path(dir) : std::filesystem::path(PP_FIXTURES_DIR_DEFAULT);
}

void quietPoppler(const std::string &, void *)
{
}

void readWholeFile(benchmark::State &state, const std::string &path)
{
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(bytes.data());
    }
}

void popplerLoadAndCount(benchmark::State &state, const std::string &path)
{
    for (auto _ : state) {
        std::unique_ptr<poppler::document> document(poppler::document::load_from_file(path));
        benchmark::DoNotOptimize(document ? document->pages() : -1);
    }
}

void openCountClose(benchmark::State &state, const std::string &path)
{
    for (auto _ : state) {
        const int32_t handle = OpenPDF(path.c_str(), 0);
        benchmark::DoNotOptimize(GetPageCount(handle));
        ClosePDF(handle);
    }
}

// Poppler's own render of the first page at the resolution that fits the preview.
void popplerRender(benchmark::State &state, const std::string &path)
{
    std::unique_ptr<poppler::document> document(poppler::document::load_from_file(path));
    std::unique_ptr<poppler::page> page(document ? document->create_page(0) : nullptr);
    if (!page) {
        state.SkipWithError("cannot load");
        return;
    }
    const poppler::rectf box = page->page_rect();
    const bool quarterTurn = page->orientation() == poppler::page::landscape || page->orientation() == poppler::page::seascape;
    const double width = quarterTurn ? box.height() : box.width();
    const double height = quarterTurn ? box.width() : box.height();
    const double dpi = 72.0 * std::min(previewWidth / width, previewHeight / height);
    poppler::page_renderer renderer;
    renderer.set_render_hints(poppler::page_renderer::antialiasing | poppler::page_renderer::text_antialiasing
                              | poppler::page_renderer::text_hinting);
    renderer.set_image_format(poppler::image::format_argb32);
    for (auto _ : state) {
        poppler::image image = renderer.render_page(page.get(), dpi, dpi);
        benchmark::DoNotOptimize(image.const_data());
    }
}

void renderPreview(benchmark::State &state, const std::string &path)
{
    const int32_t handle = OpenPDF(path.c_str(), 0);
    if (handle < 1) {
        state.SkipWithError("cannot open");
        return;
    }
    std::vector<uint32_t> pixels(previewWidth * previewHeight);
    const RasterDC dc{pixels.data(), previewWidth, previewHeight, previewWidth * 4};
    for (auto _ : state) {
        RenderDC(&dc, handle, 1, 40, 0, 0, previewWidth, previewHeight);
        benchmark::DoNotOptimize(pixels.data());
    }
    ClosePDF(handle);
}

// Prints the usual console lines and keeps each benchmark's mean time for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_microseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    double time(const std::string &name) const
    {
        const auto it = m_microseconds.find(name);
        return it == m_microseconds.end() ? 0 : it->second;
    }

private:
    std::map<std::string, double> m_microseconds;
};

std::string ratio(double value, double reference)
{
    if (value <= 0 || reference <= 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", value / reference);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    poppler::set_debug_error_function(quietPoppler, nullptr);
    std::vector<std::filesystem::path> pdfs;
    for (const auto &entry : std::filesystem::directory_iterator(fixturesDir()))
        if (entry.path().extension() == ".pdf")
            pdfs.push_back(entry.path());
    std::sort(pdfs.begin(), pdfs.end());

    for (const auto &pdf : pdfs) {
        const std::string path = pdf.string();
        const std::string name = pdf.filename().string();
        using Function = void (*)(benchmark::State &, const std::string &);
        const std::pair<const char *, Function> kinds[] = {
            {"read_file", readWholeFile},   {"poppler_load_count", popplerLoadAndCount},
            {"open_count_close", openCountClose}, {"poppler_render", popplerRender},
            {"render_168x194", renderPreview},
        };
        for (const auto &[kind, function] : kinds)
            benchmark::RegisterBenchmark((std::string(kind) + "/" + name).c_str(), function, path)
                ->Unit(benchmark::kMicrosecond);
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-28s %14s %10s %10s %14s %10s\n", "document", "open+count us", "/poppler", "/read", "render us",
                "/poppler");
    for (const auto &pdf : pdfs) {
        const std::string name = pdf.filename().string();
        const double open = reporter.time("open_count_close/" + name);
        const double render = reporter.time("render_168x194/" + name);
        std::printf("%-28s %14.1f %10s %10s %14.1f %10s\n", name.c_str(), open,
                    ratio(open, reporter.time("poppler_load_count/" + name)).c_str(),
                    ratio(open, reporter.time("read_file/" + name)).c_str(), render,
                    ratio(render, reporter.time("poppler_render/" + name)).c_str());
    }
    return 0;
}
