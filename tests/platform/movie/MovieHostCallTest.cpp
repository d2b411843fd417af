// What a movie makes the host do in its calls (the canvas, the host's functions, its error
// reports) is bounded and charged: no call runs long or takes memory the movie's limit does not
// see.
#include "MovieFixture.h"

#include "platform/movie/ImageCache.h"
#include "platform/movie/MovieContext.h"
#include "platform/movie/ScriptBudget.h"

#include <malloc.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>

namespace {

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// A figure of /proc/self/status in bytes ("VmRSS:", "VmHWM:").
size_t StatusBytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
    {
        if (line.compare(0, key.size(), key) == 0)
            return size_t(std::atoll(line.c_str() + key.size())) << 10;
    }
    return 0;
}

// How far the process's resident memory rose above where it stood while `run` ran: the peak is
// set back to the present first, so what earlier tests took does not count, and other processes
// on a loaded machine change nothing of it.
size_t PeakGrowth(const std::function<void()>& run)
{
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5";
    reset.close();
    EXPECT_TRUE(reset) << "the peak of the resident memory cannot be set back";
    const size_t before = StatusBytes("VmRSS:");
    run();
    const size_t peak = StatusBytes("VmHWM:");
    return peak > before ? peak - before : 0;
}

// The bytes the allocator hands out now.
size_t Allocated()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

constexpr size_t MB = 1u << 20;

} // namespace

// Each call that took seconds or hundreds of megabytes inside one C call, where no budget looked
// (a text wrapped in quadratic time, a long path filled, a long text measured, states and clips
// piled up), ends its frame at once and holds its memory, or is refused with a script error and
// the movie goes on. Calls within the bounds draw as before. Before the bounds, the box of 20,000
// words took 7 s of the frame, the one of 100,000 words and the path did not end within minutes,
// the 16 MB text took 400 MB and the million saves 415 MB.
TEST_F(MovieTest, EveryCanvasCallEndsItsFrameAtOnceAndHoldsItsMemory)
{
    struct Case
    {
        const char* what;
        const char* setup; // at load
        const char* draw;
        const char* logged; // once; nothing logged when null
        bool stops = false;
    };
    const char* const words = "local t = {} for i = 1, 20000 do t[i] = 'ab' end local words = table.concat(t, ' ')";
    const char* const moreWords =
        "local t = {} for i = 1, 100000 do t[i] = 'ab' end local words = table.concat(t, ' ')";
    const char* const long16 = "local s = 'x' for i = 1, 24 do s = s .. s end";
    const Case cases[] = {
        {"a box of one line of 20,000 words", words,
         "assert(c:textBox(words, 0, 0, 1e9, 1000, '#ffffff') == 1) assert(c:textBox(words, 0, 0, 30, 1e300) > 30)",
         nullptr},
        {"a box of one line of 100,000 words", moreWords, "c:textBox(words, 0, 0, 1e9, 1000, '#ffffff')",
         "a text of 299999 bytes; the canvas takes 65536 at most"},
        {"a 16 MB text drawn", long16, "c:text(s, 0, 0, '#ffffff')",
         "a text of 16777216 bytes; the canvas takes 65536 at most"},
        {"a 16 MB text measured", long16, "c:measure(s)", "a text of 16777216 bytes"},
        {"a path of 1,500,000 points", "",
         "c:beginPath() c:moveTo(0, 0) local x, y = 0, 0\n"
         "for i = 1, 1500000 do x = 650 - x y = math.fmod(y + 7, 512) c:lineTo(x, y) end c:fillPath('#ffffff')",
         "a path of more than 1000 points"},
        // A whole turn counts 25 points: with its start and 974 lines the path has 1000.
        {"a path brought to its bound by an arc", "",
         "c:beginPath() c:moveTo(0, 0) c:arc(300, 250, 100, 0, 2 * math.pi)\n"
         "for i = 1, 974 do c:lineTo(math.fmod(i * 37, 600), math.fmod(i * 91, 500)) end c:fillPath('#ffffff')",
         nullptr},
        {"a path a point past its bound with an arc", "",
         "c:beginPath() c:moveTo(0, 0) c:arc(300, 250, 100, 0, 2 * math.pi)\n"
         "for i = 1, 975 do c:lineTo(math.fmod(i * 37, 600), math.fmod(i * 91, 500)) end c:fillPath('#ffffff')",
         "a path of more than 1000 points"},
        {"a polygon of 100,000 points", "local p = {} for i = 1, 200000 do p[i] = math.fmod(i * 37, 512) end",
         "c:polygon(p, '#ffffff')", "a path of more than 1000 points"},
        {"a million saves", "", "for i = 1, 1000000 do c:save() end", "more than 256 saved states"},
        {"a million clips of a turned canvas", "",
         "c:rotate(0.1) for i = 1, 1000000 do c:clip(i * 1e-6, 0, 600, 500) end", "more than 64 clips in force"},
        {"64 clips", "", "c:rotate(0.1) for i = 1, 64 do c:clip(i * 1e-6, 0, 600, 500) end", nullptr},
        {"65 clips", "", "c:rotate(0.1) for i = 1, 65 do c:clip(i * 1e-6, 0, 600, 500) end",
         "more than 64 clips in force"},
        {"an arc of a billion radians", "", "c:beginPath() c:arc(300, 250, 100, 0, 1e9) c:strokePath('#ffffff')",
         nullptr},
        {"a circle as large as a number goes", "", "c:circle(300, 250, 1e300, '#ffffff')",
         "radius 1e+300 is larger than the canvas draws"},
        {"a gradient of 100,000 stops",
         "local stops = {} for i = 1, 100000 do stops[2 * i - 1] = 0 stops[2 * i] = '#fff' end",
         "c:linearGradient(0, 0, 1, 1, stops)", "more than 256 gradient stops"},
        {"gradients kept without end",
         "local stops = {} for i = 1, 128 do stops[2 * i - 1] = 0 stops[2 * i] = '#fff' end",
         "local kept = {} for i = 1, 1000000 do kept[i] = c:linearGradient(0, 0, 1, 1, stops) end",
         "not enough memory; the movie is stopped", true},
        {"a 16 MB font name", long16, "c:font(s, 12)", "font name too long"},
        {"a 16 MB image name", long16, "c:image(s, 0, 0)", "image name too long"},
        {"a 16 MB text to the host", long16, "movie.call('Text', s)",
         "a call of 16777220 bytes to the host; it takes 65536 at most"},
        // A value other than a text counts 16 bytes: the name and three values take 52.
        {"a call to the host as long as it takes", "local s = string.rep('x', 65484)",
         "movie.call('Text', 1, true, nil, s)", nullptr},
        {"a call to the host a byte longer", "local s = string.rep('x', 65485)", "movie.call('Text', 1, true, nil, s)",
         "a call of 65537 bytes to the host; it takes 65536 at most"},
        {"what movies do, many times over",
         "local t = {} for i = 1, 6000 do t[i] = 'word' .. i end local text = table.concat(t, ' ')\n"
         "local stops = {} for i = 1, 256 do stops[2 * i - 1] = i / 256 stops[2 * i] = '#fff' end",
         "c:textBox(text, 0, 0, 600, 500, '#ffffff', 'center', 'middle')\n"
         "for i = 1, 1000 do c:save() c:rotate(0.1) c:clip(0, 0, 100, 100) c:circle(50, 50, 40, '#ff0000') "
         "c:restore() end\n"
         "for i = 1, 256 do c:save() end for i = 1, 256 do c:restore() end\n"
         "c:beginPath() c:moveTo(0, 0) for i = 1, 999 do c:lineTo(math.fmod(i * 37, 600), math.fmod(i * 91, 500)) "
         "end c:fillPath(c:linearGradient(0, 0, 600, 0, stops))\n"
         "c:roundRect(10, 10, 600, 400, 4e6, '#00ff00')",
         nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        auto m = Make(std::string(c.setup) + "\nfunction Draw(c) " + c.draw + " end\n", 650, 512);
        ASSERT_TRUE(m->IsLoaded());
        LogLines().clear();
        double seconds = 0.0;
        const size_t growth = PeakGrowth([&] {
            const double start = ThreadSeconds();
            Render(*m);
            seconds = ThreadSeconds() - start;
        });
        // A refused call ends at once; filling the memory takes a good part of the ceiling (half a
        // second idle), so the case that stops the movie is held to the ceiling itself.
        EXPECT_LT(seconds, c.stops ? movie::ScriptBudget::CPUSeconds : movie::ScriptBudget::CPUSeconds / 4);
        // The script's memory is counted already; a refused call takes next to nothing besides.
        EXPECT_LT(growth, c.stops ? movie::ScriptBudget::MemoryLimit * 2 : 16 * MB) << growth / MB << " MB";
        EXPECT_EQ(m->IsLoaded(), !c.stops);
        if (c.logged)
        {
            EXPECT_EQ(LogCount(c.logged), 1) << ::testing::PrintToString(LogLines());
            EXPECT_EQ(LogLines().size(), 1u) << ::testing::PrintToString(LogLines());
        }
        else
        {
            EXPECT_TRUE(LogLines().empty()) << ::testing::PrintToString(LogLines());
        }
    }
}

// Wrapping measures each word once and adds the widths up: the lines break where measuring each
// candidate line whole breaks them, spaces and all.
TEST_F(MovieTest, ATextBoxBreaksItsLinesWhereMeasuringThemWholeWould)
{
    auto m = Make(R"(
local texts = { "the quick brown fox jumps over the lazy dog", "  two  spaces and   three",
                "averyveryverylongwordthatfitsnowhere short", "first line\nsecond line\n\nlast",
                "caf\195\169 cr\195\168me br\195\187l\195\169e \195\160 la carte", "" }
local function Lines(c, text, width)
    local count, at = 0, 1
    while true do
        local stop = string.find(text, "\n", at, true)
        local paragraph = string.sub(text, at, (stop or 0) - 1)
        local line, first = "", true
        local from = 1
        while true do
            local space = string.find(paragraph, " ", from, true)
            local word = string.sub(paragraph, from, (space or 0) - 1)
            local candidate = word
            if line != "" then candidate = line .. " " .. word end
            if line != "" and c:measure(candidate) > width then
                count = count + 1
                line = word
            else
                line = candidate
            end
            if not space then break end
            from = space + 1
        end
        count = count + 1
        if not stop then return count end
        at = stop + 1
    end
end
function Draw(c)
    c:font("Arial", 13)
    for _, text in ipairs(texts) do
        for _, width in ipairs({ 0, 35, 61.5, 120, 1e9 }) do
            movie.call("Lines", c:textBox(text, 0, 0, width, 1e6), Lines(c, text, width))
        end
    end
end
)");
    ASSERT_TRUE(Render(*m));
    ASSERT_EQ(_host.calls.size(), 30u);
    for (const std::string& call : _host.calls)
    {
        const size_t comma = call.find(", ");
        EXPECT_EQ(call.substr(6, comma - 6), call.substr(comma + 2, call.size() - comma - 3)) << call;
    }
    EXPECT_TRUE(LogLines().empty()) << ::testing::PrintToString(LogLines());
}

// An arc of many turns is laid as one turn and what is left over: it ends where it was asked to.
TEST_F(MovieTest, AnArcOfManyTurnsEndsWhereItWasAskedTo)
{
    const std::string draw = "function Draw(c) c:beginPath() c:moveTo(32, 16) c:arc(32, 16, 12, 0, %s) "
                             "c:lineTo(32, 16) c:closePath() c:fillPath('#ffffff') end\n";
    auto pixels = [&](const std::string& angle) {
        std::string script = draw;
        script.replace(script.find("%s"), 2, angle);
        auto m = Make(script);
        EXPECT_TRUE(Render(*m));
        std::vector<uint32_t> all;
        for (int y = 0; y < m->GetHeight(); ++y)
            for (int x = 0; x < m->GetWidth(); ++x)
                all.push_back(Pixel(*m, x, y));
        return all;
    };
    EXPECT_EQ(pixels("2 * math.pi * 100000 + 1"), pixels("2 * math.pi + 1"));
    EXPECT_NE(pixels("1"), pixels("2 * math.pi + 1")) << "a whole turn more is drawn";
    EXPECT_TRUE(LogLines().empty()) << ::testing::PrintToString(LogLines());
}

// A movie names a bounded number of images: past it, every new name is missing, and the log says
// why once. Names that fail count as much as names that load.
TEST_F(MovieTest, AMovieNamesABoundedNumberOfImages)
{
    struct Case
    {
        const char* what;
        int missing; // names between the first and the last
        const char* sizes;
    };
    const int most = int(movie::ImageCache::MaxImages);
    const Case cases[] = {
        {"the last is the most a movie names", most - 2, "Sizes(4, 4, 4, 4)"},
        {"the last is one name past it", most - 1, "Sizes(4, 4, 0, 0)"},
        {"the last comes after 100,000 names", 100000, "Sizes(4, 4, 0, 0)"},
    };
    movie::Image texture;
    texture.width = texture.height = 4;
    texture.pixels.assign(16, 0xFFFFFFFFu);
    _host.images["last.dds"] = texture;
    _host.images["first.dds"] = texture;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        LogLines().clear();
        _host.calls.clear();
        auto m = Make("function Draw(c)\n"
                      "    local w = c:imageSize('first.dds')\n"
                      "    for i = 1, " +
                      std::to_string(c.missing) +
                      " do c:imageSize('none' .. i .. '.dds') end\n"
                      "    movie.call('Sizes', w, c:imageSize('first.dds'), c:imageSize('last.dds'))\n"
                      "end\n");
        ASSERT_TRUE(Render(*m));
        ASSERT_EQ(_host.calls.size(), 1u);
        EXPECT_EQ(_host.calls[0], c.sizes);
        EXPECT_EQ(LogCount("too many errors"), 1);
        EXPECT_LE(LogLines().size(), movie::MovieContext::MaxReports + 1);
    }
}

// A movie's images take a bounded number of bytes: images that come to the bound exactly are all
// held and drawn, and one more, however small, is refused and drawn as missing.
TEST_F(MovieTest, AMovieHoldsABoundedNumberOfImageBytes)
{
    // Four images of 2048 x 2048 pixels of four bytes come to the bound. The host hands them over
    // one a paint and lets go of each: the last paint draws from what the movie holds.
    constexpr int Side = 2048;
    static_assert(4 * Side * Side * 4 == movie::ImageCache::MaxBytes);
    const uint32_t colours[] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u, 0xFFFFFFFFu};
    auto m = Make(R"(
names = {}
function Show(name) table.insert(names, name) end
function Draw(c) for i, name in ipairs(names) do c:image(name, (i - 1) * 8, 0, 8, 8) end end
)");
    for (int i = 0; i < 5; ++i)
    {
        const std::string name = "image" + std::to_string(i) + ".dds";
        movie::Image& image = _host.images[name];
        image.width = image.height = i < 4 ? Side : 1;
        image.pixels.assign(size_t(image.width) * image.height, colours[i]);
        m->Call("Show", {movie::Value::FromString(name)});
        ASSERT_TRUE(Render(*m));
        _host.images.erase(name);
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Pixel(*m, i * 8 + 4, 4), colours[i]) << "image " << i;
    EXPECT_EQ(Pixel(*m, 36, 4), 0x80800080u) << "the missing image's placeholder";
    EXPECT_EQ(LogCount("image \"image4.dds\": the movie's images would take more than 64 MB"), 1)
        << ::testing::PrintToString(LogLines());
    EXPECT_EQ(LogLines().size(), 1u);
}

// A script's error is kept and logged cut to a small size, however long the script made it. Before
// the cut, every distinct message was kept whole for the movie's life: 64 errors of 4 MB took
// 256 MB.
TEST_F(MovieTest, LongErrorsAreKeptAndLoggedShort)
{
    struct Case
    {
        const char* what;
        std::string message; // of i and the long text
        size_t lines;        // logged
        bool cut;
    };
    const std::string bound = std::to_string(movie::MovieContext::MaxReportBytes);
    const Case cases[] = {
        {"long texts that differ at their ends", "big .. i", 1, true},
        {"long texts that differ at their starts", "i .. big", movie::MovieContext::MaxReports + 1, true},
        {"texts as long as the bound", "string.sub(big, 3, " + bound + ") .. string.format('%02d', i)",
         movie::MovieContext::MaxReports + 1, false},
        {"texts a byte longer than the bound", "string.format('%02d', i) .. string.sub(big, 2, " + bound + ")",
         movie::MovieContext::MaxReports + 1, true},
    };
    const std::string prefix = "Movie \"swf/test.lua\": ";
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        // 70 messages of up to half a megabyte, made at load: raising them makes no new text.
        auto m = Make("local big = 'x' for i = 1, 19 do big = big .. big end\n"
                      "local messages = {} for i = 1, 70 do messages[i] = " +
                      c.message + " end\nlocal n = 0 function Update(dt) n = n + 1 error(messages[n], 0) end\n");
        ASSERT_TRUE(m->IsLoaded());
        LogLines().clear();
        const size_t before = Allocated();
        for (int i = 0; i < 70; ++i)
            m->Advance(movie::Movie::FrameSeconds);
        EXPECT_LT(Allocated() - before, 4 * MB) << "what the movie keeps of its errors";
        EXPECT_TRUE(m->IsLoaded());
        EXPECT_EQ(LogLines().size(), c.lines);
        for (const std::string& line : LogLines())
        {
            ASSERT_EQ(line.compare(0, prefix.size(), prefix), 0) << line;
            EXPECT_EQ(line.back(), '\n');
            if (line == prefix + "too many errors, the rest are not logged\n")
                continue;
            // Each message is kept as long as the bound: whole, or cut with "..." counted in.
            const std::string kept = line.substr(prefix.size(), line.size() - prefix.size() - 1);
            EXPECT_EQ(kept.size(), movie::MovieContext::MaxReportBytes);
            EXPECT_EQ(kept.compare(kept.size() - 3, 3, "...") == 0, c.cut) << kept.substr(kept.size() - 8);
        }
    }
}
