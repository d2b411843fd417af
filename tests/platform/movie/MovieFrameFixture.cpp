#include "MovieFrameFixture.h"

#include <ctime>

namespace {

const char* const kSpin = R"(
local long = ('x'):rep(2 ^ 20)
local a, b = long .. 'a', long .. 'b'
function spin(seconds)
    local start = movie.call("Now")
    repeat local less = a < b until movie.call("Now") - start >= seconds
end
function loop(seconds)
    local start = movie.call("Now")
    repeat for i = 1, 1000 do end until movie.call("Now") - start >= seconds
end
)";

} // namespace

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void MovieFrameTest::SetUp()
{
    MovieTest::SetUp();
    _host.onCall = [this](const std::string& name) {
        if (name == "Now")
            _host.answer = movie::Value::FromNumber(ThreadSeconds());
    };
}

void MovieFrameTest::UseBounds(const movie::MovieGroup::Bounds& bounds)
{
    _host.group = std::make_shared<movie::MovieGroup>(bounds);
}

std::unique_ptr<movie::Movie> MovieFrameTest::MakeSpinning(const std::string& script, double& loading,
                                                           const std::string& name)
{
    const double start = ThreadSeconds();
    auto m = Make(std::string(kSpin) + script, 64, 32, name);
    loading = ThreadSeconds() - start;
    LogLines().clear();
    return m;
}

std::unique_ptr<movie::Movie> MovieFrameTest::MakeSpinning(const std::string& script, const std::string& name)
{
    double loading = 0.0;
    return MakeSpinning(script, loading, name);
}

double MovieFrameTest::Play(movie::Movie& m, int workCalls, double workSeconds)
{
    const double start = ThreadSeconds();
    m.Advance(movie::Movie::FrameSeconds + 1e-9);
    for (int i = 0; i < workCalls; ++i)
        m.Call("Work", {movie::Value::FromNumber(workSeconds)});
    Render(m);
    return ThreadSeconds() - start;
}

void MovieFrameTest::EndFrame()
{
    ++_host.frame;
    _host.calls.clear();
}
