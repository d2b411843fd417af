// A 1280 x 960 movie whose top-left quarter changes every frame (a panel, bars, circles and
// sixteen lines of text): the movie runtime and the Flash control (the call that changes it,
// the paint of the dirty quarter and its upload) against the same drawing done with plain Cairo
// calls and one upload of the quarter, in one run. Needs a display (xvfb-run).
#include "../common/RatioReporter.h"
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/VideoSettings.h"
#include "layers/LayerManager.h"
#include "layers/flash/FlashControl.h"
#include "platform/window/Window.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int kWidth = 1280, kHeight = 960;
constexpr int kQuarterWidth = kWidth / 2, kQuarterHeight = kHeight / 2;
constexpr int kRows = 16;
constexpr double kPi = 3.14159265358979323846;

const char* const kMovie = R"(
frame = 0
function Step(n)
    frame = n
    movie.invalidate(0, 0, 640, 480)
end
function Draw(c)
    if c:visible(0, 0, 640, 480) then
        local face = c:linearGradient(0, 0, 0, 480, { 0, "#1c2838", 1, "#0a1018" })
        c:roundRect(8, 8, 624, 464, 12, face, "#6fa8ff", 2)
        c:font("Arial", 18, true)
        for i = 0, 15 do
            local y = 24 + i * 27
            c:rect(24, y, 40 + math.fmod(frame * 7 + i * 37, 300), 18, "#2f6db5")
            c:circle(600, y + 9, 8, "#e39a2d")
            c:text("Row " .. i .. "  frame " .. frame, 360, y - 2, "#ffffff")
        end
    end
    if c:visible(640, 0, 640, 960) then
        c:rect(640, 0, 640, 960, "#203040")
    end
    if c:visible(0, 480, 640, 480) then
        c:rect(0, 480, 640, 480, "#304050")
    end
end
)";

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// The quarter as the movie draws it, with plain Cairo calls.
void PaintQuarter(cairo_surface_t* surface, int frame)
{
    cairo_t* cr = cairo_create(surface);
    cairo_rectangle(cr, 0, 0, kQuarterWidth, kQuarterHeight);
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pattern_t* face = cairo_pattern_create_linear(0, 0, 0, 480);
    cairo_pattern_add_color_stop_rgb(face, 0, 0x1c / 255.0, 0x28 / 255.0, 0x38 / 255.0);
    cairo_pattern_add_color_stop_rgb(face, 1, 0x0a / 255.0, 0x10 / 255.0, 0x18 / 255.0);
    RoundRect(cr, 8, 8, 624, 464, 12);
    cairo_set_source(cr, face);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0x6f / 255.0, 0xa8 / 255.0, 1.0);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_pattern_destroy(face);
    cairo_select_font_face(cr, "Arial", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 18);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    char text[64];
    for (int i = 0; i < kRows; ++i)
    {
        const double y = 24 + i * 27;
        cairo_rectangle(cr, 24, y, 40 + std::fmod(frame * 7.0 + i * 37.0, 300.0), 18);
        cairo_set_source_rgb(cr, 0x2f / 255.0, 0x6d / 255.0, 0xb5 / 255.0);
        cairo_fill(cr);
        cairo_arc(cr, 600, y + 9, 8, 0, 2 * kPi);
        cairo_set_source_rgb(cr, 0xe3 / 255.0, 0x9a / 255.0, 0x2d / 255.0);
        cairo_fill(cr);
        std::snprintf(text, sizeof(text), "Row %d  frame %d", i, frame);
        cairo_move_to(cr, 360, y - 2 + font.ascent);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_show_text(cr, text);
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);
}

// A render device on a hidden window, the layer manager, and the movie in a scratch folder.
struct Stage
{
    std::unique_ptr<Window> window;
    std::unique_ptr<ConfigSystem> config;
    std::unique_ptr<VideoSettings> video;
    std::unique_ptr<MaterialSystem> system;
    std::filesystem::path scratch;
    std::unique_ptr<FlashHost::FlashControl> control;
    Texture* reference = nullptr;
    cairo_surface_t* surface = nullptr;

    bool Build()
    {
        Window::Style style;
        style.hidden = true;
        window = Window::Create("movie bench", 320, 240, style);
        if (!window)
            return false;
        config = std::make_unique<ConfigSystem>(&Dumper::Instance(), nullptr);
        video = std::make_unique<VideoSettings>(config.get());
        video->ScrWidth = 320;
        video->ScrHeight = 240;
        system =
            std::make_unique<MaterialSystem>(window->GetHandle(), &Dumper::Instance(), nullptr, video.get(), false);
        system->InitSystem(nullptr);
        scratch = std::filesystem::temp_directory_path() / ("bm_movie_bench_" + std::to_string(getpid()));
        std::filesystem::create_directories(scratch / "swf");
        std::ofstream(scratch / "swf" / "bench.lua") << kMovie;
        std::filesystem::current_path(scratch);
        LayerManager::Create(&Dumper::Instance(), system.get());
        control = std::make_unique<FlashHost::FlashControl>("bench", kWidth, kHeight);
        control->load("swf//bench.swf");
        control->update("", true, false);

        TextureDesc desc;
        desc.kind = TEXKIND_PROCEDURAL;
        desc.width = 2048;
        desc.height = 1024;
        reference = system->GetTextureMgr()->CreateTexture("$bench_reference", desc);
        surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
        return control->update("", true, false) == 2;
    }

    ~Stage()
    {
        if (surface)
            cairo_surface_destroy(surface);
        control.reset();
        LayerManager::Release();
        system.reset();
        if (!scratch.empty())
            std::filesystem::remove_all(scratch);
    }
};

Stage*& TheStage()
{
    static Stage* stage = nullptr;
    return stage;
}

void MovieAndControl(benchmark::State& state)
{
    FlashHost::FlashControl& control = *TheStage()->control;
    int frame = 0;
    for (auto _ : state)
    {
        LayerManager::NextFrame(); // each turn is a frame of the game's
        control.callFunction(L"Step", FlashHost::Args(++frame));
        benchmark::DoNotOptimize(control.update("", false, false));
    }
    if (control.getLastUpload().right < kQuarterWidth || control.getLastUpload().right > kQuarterWidth + 1)
        state.SkipWithError("the movie did not redraw its quarter");
}

void PlainCairo(benchmark::State& state)
{
    Stage& stage = *TheStage();
    const int stride = cairo_image_surface_get_stride(stage.surface);
    int frame = 0;
    for (auto _ : state)
    {
        PaintQuarter(stage.surface, ++frame);
        stage.reference->UpdateRect(0, 0, 0, kQuarterWidth, kQuarterHeight, cairo_image_surface_get_data(stage.surface),
                                    unsigned(stride));
    }
}

} // namespace

BENCHMARK(MovieAndControl)
    ->Name("MovieQuarter/ours")
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);
BENCHMARK(PlainCairo)
    ->Name("MovieQuarter/cairo")
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Stage stage;
    if (!stage.Build())
    {
        std::fprintf(stderr, "movie bench: no display or the movie did not load; run it under xvfb-run\n");
        return 0;
    }
    TheStage() = &stage;
    RatioReporter reporter("MovieQuarter/ours", "MovieQuarter/cairo",
                           "movie and control / plain Cairo and upload, a 640 x 480 quarter", 1.3);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
