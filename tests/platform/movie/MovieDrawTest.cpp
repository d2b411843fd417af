#include "MovieFixture.h"

#include <cairo.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

namespace {

int Alpha(uint32_t p) { return int(p >> 24); }
int Red(uint32_t p) { return int(p >> 16 & 0xFF); }
int Green(uint32_t p) { return int(p >> 8 & 0xFF); }
int Blue(uint32_t p) { return int(p & 0xFF); }

// A white square PNG with a transparent right half.
void WritePng(const std::filesystem::path& path)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
    cairo_t* cr = cairo_create(surface);
    cairo_rectangle(cr, 0, 0, 2, 4);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
}

} // namespace

TEST_F(MovieTest, DrawsShapesGradientsImagesTextAndAlpha)
{
    const std::filesystem::path png = _scratch / "pic.png";
    WritePng(png);
    movie::Image texture;
    texture.width = texture.height = 8;
    texture.pixels.assign(64, 0x8000FF00u); // half-transparent green, straight alpha
    _host.images["tex.dds"] = texture;
    auto m = Make(R"(
function Draw(c)
    c:rect(0, 0, 16, 16, "#ff0000")
    c:rect(16, 0, 16, 16, c:linearGradient(16, 0, 32, 0, { 0, "#000000", 1, "#0000ff" }))
    c:image("tex.dds", 32, 0)
    c:image(")" + png.string() +
                  R"(", 40, 0, 16, 16)
    c:font("Arial", 14, true)
    c:text("Hi!", 0, 16, "#ffffff")
    c:save()
    c:alpha(0.5)
    c:rect(56, 0, 8, 8, { 1, 1, 1 })
    c:restore()
    c:rect(56, 8, 8, 8, "#fff8")
end
)");
    ASSERT_TRUE(m->IsLoaded());
    ASSERT_TRUE(Render(*m));

    EXPECT_EQ(Pixel(*m, 2, 2), 0xFFFF0000u);
    EXPECT_EQ(Pixel(*m, 15, 15), 0xFFFF0000u);
    EXPECT_LT(Blue(Pixel(*m, 17, 8)), 40);
    EXPECT_GT(Blue(Pixel(*m, 31, 8)), 210);
    EXPECT_EQ(Alpha(Pixel(*m, 24, 8)), 255);
    const uint32_t green = Pixel(*m, 35, 4);
    EXPECT_EQ(Alpha(green), 0x80) << std::hex << green;
    EXPECT_EQ(Green(green), 0x80) << "premultiplied from straight alpha";
    EXPECT_EQ(Pixel(*m, 43, 8), 0xFFFFFFFFu) << "the PNG's opaque half, scaled up";
    EXPECT_EQ(Alpha(Pixel(*m, 52, 8)), 0) << "and its transparent half";
    EXPECT_EQ(Pixel(*m, 60, 4), 0x80808080u);
    EXPECT_EQ(Pixel(*m, 60, 12), 0x88888888u);
    int text = 0, outside = 0;
    for (int y = 16; y < 32; ++y)
    {
        for (int x = 0; x < 32; ++x)
            text += Alpha(Pixel(*m, x, y)) > 128 && Red(Pixel(*m, x, y)) > 128;
        for (int x = 40; x < 64; ++x)
            outside += Alpha(Pixel(*m, x, y)) != 0;
    }
    EXPECT_GT(text, 20) << "the text is drawn";
    EXPECT_EQ(outside, 0) << "and nothing past it";
}

TEST_F(MovieTest, DesignUnitsScaleToThePixelsAndOpaqueMoviesClearToBlack)
{
    auto m = Make(R"(
movie.design(32, 16)
function Draw(c)
    c:rect(0, 0, 8, 8, "#00ff00")
end
)");
    m->SetTransparent(false);
    ASSERT_TRUE(Render(*m));
    EXPECT_EQ(Pixel(*m, 15, 15), 0xFF00FF00u) << "8 design units are 16 pixels";
    EXPECT_EQ(Pixel(*m, 16, 16), 0xFF000000u);
    m->SetTransparent(true);
    ASSERT_TRUE(Render(*m));
    EXPECT_EQ(Pixel(*m, 16, 16), 0u);
}

TEST_F(MovieTest, OnlyTheAskedRectangleIsPaintedAndAMissingImageIsAPlaceholder)
{
    auto m = Make(R"(
fill = "#ff0000"
withImage = false
function Paint(c) fill = c withImage = true end
function Draw(c)
    c:rect(0, 0, 64, 32, fill)
    if withImage and c:visible(48, 0, 16, 32) then
        c:image("missing.dds", 48, 0, 16, 16)
    end
end
)");
    ASSERT_TRUE(Render(*m));
    m->Call("Paint", {movie::Value::FromString("#0000ff")});
    ASSERT_TRUE(m->Render(movie::Rect{0, 0, 8, 8}));
    EXPECT_EQ(Pixel(*m, 7, 7), 0xFF0000FFu);
    EXPECT_EQ(Pixel(*m, 8, 8), 0xFFFF0000u) << "outside the rectangle the earlier pixels stay";
    EXPECT_EQ(Pixel(*m, 56, 8), 0xFFFF0000u) << "the placeholder was outside the painted area";
    EXPECT_EQ(LogCount("missing.dds"), 0) << "and its loading skipped";
    ASSERT_TRUE(Render(*m));
    ASSERT_TRUE(Render(*m));
    EXPECT_GT(Red(Pixel(*m, 56, 8)), 100) << "half-transparent magenta over blue";
    EXPECT_LT(Green(Pixel(*m, 56, 8)), 20);
    EXPECT_EQ(LogCount("missing.dds"), 1) << "logged once";
}

namespace {

uint32_t Crc(const std::string& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes)
    {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

std::string BigEndian(uint32_t value) { return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)}; }

// A PNG signature and header chunk claiming that size, with no pixels after it.
std::string PngHeader(uint32_t width, uint32_t height)
{
    const std::string chunk = "IHDR" + BigEndian(width) + BigEndian(height) + std::string("\x08\x06\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + BigEndian(13) + chunk + BigEndian(Crc(chunk));
}

} // namespace

TEST_F(MovieTest, AnImageThatCannotBeDrawnIsLoggedWithWhatIsWrong)
{
    WritePng(_scratch / "good.png");
    std::ifstream good(_scratch / "good.png", std::ios::binary);
    const std::string goodBytes((std::istreambuf_iterator<char>(good)), std::istreambuf_iterator<char>());
    struct Case
    {
        const char* file;
        std::string bytes;
        const char* line;
    };
    const Case cases[] = {
        {"jpeg.png", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20),
         "not a PNG file"},
        {"empty.png", "", "not a PNG file"},
        {"huge.png", PngHeader(30000, 30000), "image too large: 30000x30000 pixels"},
        {"wide.png", PngHeader(8000, 8000), "image too large: 8000x8000 pixels"},
        {"headless.png", std::string("\x89PNG\r\n\x1a\n", 8), "damaged PNG file"},
        {"cut.png", goodBytes.substr(0, goodBytes.size() / 2), "damaged PNG file"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.file);
        const std::filesystem::path path = Write(c.file, c.bytes);
        auto m = Make("function Draw(c) c:image(\"" + path.string() + "\", 0, 0, 8, 8) end");
        LogLines().clear();
        ASSERT_TRUE(Render(*m));
        EXPECT_EQ(LogCount("image \"" + path.string() + "\": " + c.line), 1);
        EXPECT_EQ(LogCount("out of memory"), 0);
    }
}

// A text box draws the lines it holds and leaves the rest out: nothing is drawn below the box,
// however much text it is given.
TEST_F(MovieTest, ATextBoxDrawsTheLinesItHoldsAndNothingBelowIt)
{
    struct Case
    {
        const char* what;
        const char* text; // words wider than the box: each is a line of its own
    };
    const Case cases[] = {
        {"as many lines as the box holds", "HH HH HH"},
        {"a line more than it holds", "HH HH HH HH"},
        {"many lines more", "HH HH HH HH HH HH HH HH"},
        {"paragraphs past its end", "HH\\nHH\\nHH\\nHH"},
    };
    constexpr int Held = 3;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        _host.calls.clear();
        auto m = Make(std::string("function Draw(c)\n"
                                  "    c:font('Arial', 10)\n"
                                  "    local _, line = c:measure('H')\n"
                                  "    movie.call('Box', line, c:textBox('") +
                          c.text + "', 0, 0, 1, " + std::to_string(Held) + " * line, '#ffffff'))\nend\n",
                      32, 64);
        ASSERT_TRUE(Render(*m));
        ASSERT_EQ(_host.calls.size(), 1u);
        const std::string& call = _host.calls[0];
        EXPECT_EQ(call.substr(call.find(", ")), ", " + std::to_string(Held) + ")") << "the lines shown";
        const double line = std::stod(call.substr(4));
        auto inked = [&](int from, int to) {
            int count = 0;
            for (int y = from; y < to; ++y)
                for (int x = 0; x < m->GetWidth(); ++x)
                    count += Alpha(Pixel(*m, x, y)) != 0;
            return count;
        };
        for (int i = 0; i < Held; ++i)
            EXPECT_GT(inked(int(std::ceil(i * line)), int(std::floor((i + 1) * line))), 10) << "line " << i;
        EXPECT_EQ(inked(int(std::ceil(Held * line)), m->GetHeight()), 0) << "below the box";
    }
}
