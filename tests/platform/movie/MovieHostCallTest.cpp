// What a movie makes the host do in its calls (the canvas, the host's functions, its error
// reports) is bounded and charged: no call runs long or takes memory the movie's limit does not
// see.
#include "MovieFixture.h"

#include "platform/movie/MovieContext.h"

#include <malloc.h>

#include <algorithm>
#include <string>

namespace {

// The bytes the allocator hands out now.
size_t Allocated()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

constexpr size_t MB = 1u << 20;

} // namespace

// A script's error is kept and logged cut to a small size, however long the script made it. Before
// the cut, every distinct message was kept whole for the movie's life: 64 errors of 4 MB took
// 256 MB.
TEST_F(MovieTest, LongErrorsAreKeptAndLoggedShort)
{
    struct Case
    {
        const char* what;
        const char* message; // of i and the long text
        size_t lines;        // logged
    };
    const Case cases[] = {
        {"long texts that differ at their ends", "big .. i", 1},
        {"long texts that differ at their starts", "i .. big", movie::MovieContext::MaxReports + 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        // 70 messages of half a megabyte, made at load: raising them makes no new text.
        auto m = Make(std::string("local big = 'x' for i = 1, 19 do big = big .. big end\n"
                                  "local messages = {} for i = 1, 70 do messages[i] = ") +
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
            EXPECT_LE(line.size(), movie::MovieContext::MaxReportBytes + 32);
            EXPECT_EQ(line.back(), '\n');
        }
        EXPECT_EQ(LogCount("xxx...\n"), int(std::min(c.lines, movie::MovieContext::MaxReports)));
    }
}
