// Cameras that offer only motion JPEG: each sample, one JPEG picture, becomes BGR24 rows like the
// uncompressed formats. The samples are made here with FFmpeg's JPEG encoder.
#include "platform/video/FrameConverter.h"

extern "C"
{
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using video::CaptureFormat;

// Four quadrants: red, green (top), blue, white (bottom), as BGR24.
std::vector<uint8_t> Quadrants(int width, int height)
{
    const uint8_t colours[4][3] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {255, 255, 255}};
    std::vector<uint8_t> bgr(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const uint8_t* c = colours[(y >= height / 2) * 2 + (x >= width / 2)];
            std::copy(c, c + 3, &bgr[(size_t(y) * width + x) * 3]);
        }
    return bgr;
}

// The picture as a camera sends it: a JPEG of full-range 4:2:2 YUV, good quality.
std::vector<uint8_t> EncodeJpeg(const std::vector<uint8_t>& bgr, int width, int height)
{
    av_log_set_level(AV_LOG_QUIET);
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    if (!encoder)
        return {};
    AVCodecContext* codec = avcodec_alloc_context3(encoder);
    codec->width = width;
    codec->height = height;
    codec->pix_fmt = AV_PIX_FMT_YUVJ422P;
    codec->time_base = {1, 25};
    codec->flags |= AV_CODEC_FLAG_QSCALE;
    codec->global_quality = FF_QP2LAMBDA * 2;
    std::vector<uint8_t> jpeg;
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    SwsContext* scaler = sws_getContext(width, height, AV_PIX_FMT_BGR24, width, height, AV_PIX_FMT_YUVJ422P, SWS_POINT,
                                        nullptr, nullptr, nullptr);
    frame->format = AV_PIX_FMT_YUVJ422P;
    frame->width = width;
    frame->height = height;
    frame->quality = codec->global_quality;
    if (avcodec_open2(codec, encoder, nullptr) >= 0 && av_frame_get_buffer(frame, 0) >= 0 && scaler)
    {
        const uint8_t* planes[1] = {bgr.data()};
        const int pitches[1] = {width * 3};
        sws_scale(scaler, planes, pitches, 0, height, frame->data, frame->linesize);
        if (avcodec_send_frame(codec, frame) >= 0 && avcodec_receive_packet(codec, packet) >= 0)
            jpeg.assign(packet->data, packet->data + packet->size);
    }
    sws_freeContext(scaler);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&codec);
    return jpeg;
}

bool Near(const uint8_t* got, const uint8_t* want)
{
    for (int i = 0; i < 3; ++i)
        if (std::abs(int(got[i]) - int(want[i])) > 16)
            return false;
    return true;
}

} // namespace

TEST(CaptureFormats, MotionJpegSamplesDecodeToBlueGreenRedRows)
{
    const int width = 160, height = 120;
    const CaptureFormat format{video::PIXEL_MJPEG, width, height};
    EXPECT_TRUE(video::CanConvertToBgr24(video::PIXEL_MJPEG));
    const std::vector<uint8_t> picture = Quadrants(width, height);
    const std::vector<uint8_t> jpeg = EncodeJpeg(picture, width, height);
    ASSERT_GT(jpeg.size(), 100u);
    ASSERT_EQ(jpeg[0], 0xFF);
    ASSERT_EQ(jpeg[1], 0xD8);

    video::FrameConverter converter;
    std::vector<uint8_t> out(size_t(width) * height * 3);
    // Twice: the decoder is kept between samples.
    for (int sample = 0; sample < 2; ++sample)
    {
        std::fill(out.begin(), out.end(), 0x55);
        ASSERT_TRUE(converter.Convert(format, jpeg.data(), jpeg.size(), 0, out.data())) << sample;
        for (int y : {10, height - 10})
            for (int x : {10, width - 10})
            {
                const size_t at = (size_t(y) * width + x) * 3;
                EXPECT_TRUE(Near(&out[at], &picture[at])) << "at " << x << ", " << y << ": " << int(out[at]) << " "
                                                          << int(out[at + 1]) << " " << int(out[at + 2]);
            }
    }

    // Bytes that are no picture, none at all, and a picture of another size than the format's
    // are refused; the next good sample still decodes.
    const std::vector<uint8_t> garbage(600, 0x5A);
    const std::vector<uint8_t> small = EncodeJpeg(Quadrants(80, 60), 80, 60);
    const std::vector<uint8_t> large = EncodeJpeg(Quadrants(320, 240), 320, 240);
    EXPECT_FALSE(converter.Convert(format, garbage.data(), garbage.size(), 0, out.data()));
    EXPECT_FALSE(converter.Convert(format, jpeg.data(), 0, 0, out.data()));
    EXPECT_FALSE(converter.Convert(format, small.data(), small.size(), 0, out.data()));
    EXPECT_FALSE(converter.Convert(format, large.data(), large.size(), 0, out.data()));
    EXPECT_TRUE(converter.Convert(format, jpeg.data(), jpeg.size(), 0, out.data()));
    EXPECT_TRUE(Near(&out[0], &picture[0]));

    // The uncompressed formats go the same way.
    const uint8_t rgb[6] = {1, 2, 3, 4, 5, 6};
    uint8_t bgr[6] = {};
    ASSERT_TRUE(converter.Convert({video::PIXEL_RGB24, 2, 1}, rgb, sizeof(rgb), 6, bgr));
    EXPECT_EQ(std::vector<uint8_t>(bgr, bgr + 6), (std::vector<uint8_t>{3, 2, 1, 6, 5, 4}));
}
