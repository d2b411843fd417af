#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "RenderFixture.h"
#include "foundation/base/Random.h"
#include "foundation/base/Timer.h"
#include "layers/video/WebcamCut.h"
#include "layers/video/WebcamFrameAccessor.h"
#include "layers/video/WebcamView.h"
#include "platform/gfx/Texture.h"
#include "platform/video/CaptureDevice.h"

using video::CaptureFormat;

namespace {

// A synthetic capture frame in BGR24: blue is the row, green a fifth of the column.
std::vector<uint8_t> Frame(int width, int height)
{
    std::vector<uint8_t> bgr(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            uint8_t* p = &bgr[(size_t(y) * width + x) * 3];
            p[0] = uint8_t(y);
            p[1] = uint8_t(x / 5);
            p[2] = 200;
        }
    return bgr;
}

// A timer whose clock the test moves, in milliseconds.
struct HandClock
{
    int64_t now = 0;
    Timer timer{0.0f, [this] { return now; }, 1000};
    HandClock() { timer.Start(60); }
    void Advance(int64_t ms)
    {
        now += ms;
        timer.Tick();
    }
};

} // namespace

TEST(Webcam, FormatNearest120HighThatCanBeConverted)
{
    const uint32_t yuyv = video::PIXEL_YUYV, mjpeg = video::PIXEL_MJPEG, h264 = video::FourCC('H', '2', '6', '4');
    struct Case
    {
        std::vector<CaptureFormat> offered;
        std::optional<CaptureFormat> chosen;
    };
    const Case cases[] = {
        {{{yuyv, 320, 240}, {yuyv, 160, 120}, {yuyv, 176, 144}}, CaptureFormat{yuyv, 160, 120}},
        {{{yuyv, 320, 240}, {yuyv, 176, 144}}, CaptureFormat{yuyv, 176, 144}},
        {{{yuyv, 128, 96}, {yuyv, 133, 100}}, std::nullopt},
        {{{mjpeg, 640, 480}, {mjpeg, 160, 120}}, CaptureFormat{mjpeg, 160, 120}},
        {{{h264, 160, 120}, {yuyv, 640, 480}}, CaptureFormat{yuyv, 640, 480}},
        {{}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseCaptureFormat(c.offered), c.chosen) << c.offered.size();
}

TEST(Webcam, CutKeepsBlueTakesGreenAtFourFifthsAndRowsAtTheirPitch)
{
    EngineSeed(7);
    // 160 wide: columns 20 to 139; 640 wide: every fifth column from the hundredth, kept inside
    // the row; 130 wide: one column a texel, the last ones held at the row's end.
    for (int width : {160, 640, 130})
    {
        const int height = width == 640 ? 480 : 120;
        const std::vector<uint8_t> frame = Frame(width, height);
        std::vector<uint8_t> cut(WEBCAM_CUT * WEBCAM_CUT * 4);
        CutWebcamFrame(frame.data(), width, height, cut.data(), WEBCAM_CUT * 4);
        const int step = std::max(width / WEBCAM_CUT, 1);
        for (int y : {0, 1, 60, 119})
        {
            for (int x : {0, 59, 119})
            {
                const uint8_t* texel = &cut[(y * WEBCAM_CUT + x) * 4];
                const int column = std::min((20 + x) * step, width - 1);
                EXPECT_EQ(texel[0], y) << width << " " << x << "," << y << ": the source row";
                EXPECT_EQ(texel[1], uint8_t((column / 5) * 0.8f)) << width << " " << x << "," << y;
                EXPECT_LT(texel[2], 16);
                EXPECT_EQ(texel[3], 255);
            }
        }
    }
    // Full green becomes 204.
    const std::vector<uint8_t> green(160 * 120 * 3, 255);
    std::vector<uint8_t> cut(WEBCAM_CUT * WEBCAM_CUT * 4);
    CutWebcamFrame(green.data(), 160, 120, cut.data(), WEBCAM_CUT * 4);
    EXPECT_EQ(cut[1], 204);
}

TEST(Webcam, CopiesAreThrottledByTheGameTimer)
{
    WebcamFrameAccessor without(nullptr, nullptr);
    EXPECT_FALSE(without.CheckIsNeedCapturingOfTime()) << "no timer, no copies";

    HandClock clock;
    WebcamFrameAccessor accessor(nullptr, &clock.timer);
    accessor.SetFPS(24);
    EXPECT_TRUE(accessor.CheckIsNeedCapturingOfTime()) << "the first frame";
    clock.Advance(20);
    EXPECT_FALSE(accessor.CheckIsNeedCapturingOfTime()) << "0.02 s after the last copy";
    clock.Advance(22);
    EXPECT_TRUE(accessor.CheckIsNeedCapturingOfTime()) << "0.042 s after it";
    accessor.SetFPS(0);
    clock.Advance(40);
    EXPECT_FALSE(accessor.CheckIsNeedCapturingOfTime()) << "fps 0 counts as 24";
}

using WebcamRenderTest = RenderTest;

TEST_F(WebcamRenderTest, FramesReachTheCameraTexture)
{
    Init();
    HandClock clock;
    WebcamFrameAccessor accessor(_system.get(), &clock.timer);
    const std::vector<uint8_t> frame = Frame(160, 120);
    EXPECT_FALSE(accessor.DoRenderSample(frame.data(), frame.size())) << "no size, no texture";
    accessor.SetVideoParams(160, 120);
    clock.Advance(100);
    EXPECT_FALSE(accessor.DoRenderSample(frame.data(), frame.size())) << "no texture";
    ASSERT_TRUE(accessor.CreateTexture());
    clock.Advance(100);
    EXPECT_FALSE(accessor.DoRenderSample(frame.data(), frame.size() - 1)) << "a short frame";
    clock.Advance(100);
    ASSERT_TRUE(accessor.DoRenderSample(frame.data(), frame.size()));

    Texture* texture = _system->GetTextureMgr()->CreateTextureFromFile("$camera_texture");
    ASSERT_EQ(texture->GetWidth(), 120u);
    unsigned pitch = 0;
    const auto* texels = static_cast<const uint8_t*>(texture->GetTexHandle()->Lock(0, pitch));
    ASSERT_TRUE(texels);
    EXPECT_EQ(texels[50 * pitch + 0], 50) << "blue of row 50";
    EXPECT_EQ(texels[50 * pitch + 1], uint8_t((20 / 5) * 0.8f));
    EXPECT_EQ(texels[50 * pitch + 3], 255);
    texture->GetTexHandle()->Unlock(0);
    accessor.CloseAll();
}

TEST_F(WebcamRenderTest, WithoutADeviceNothingCaptures)
{
    if (!video::FindCaptureDevices().empty())
        GTEST_SKIP() << "this machine has a capture device";
    Init();
    HandClock clock;
    WebcamView webcam(_system.get(), &clock.timer);
    webcam.Init();
    EXPECT_FALSE(webcam.IsAbleToCapture());
    EXPECT_TRUE(LogHas("no video capture device"));
    webcam.StartCaptureVideo();
    EXPECT_FALSE(webcam.IsCapturing());
    EXPECT_FALSE(webcam.CreateTexture());
    webcam.Proceed(0.1f);
    webcam.SwitchCaptureVideo();
    EXPECT_FALSE(webcam.IsCapturing());
    webcam.ShutDown();
}
