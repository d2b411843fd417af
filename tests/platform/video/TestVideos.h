#pragma once

#include "platform/video/AviWriter.h"
#include "platform/video/VideoClock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>
#include <string>
#include <unistd.h>

// The test picture in BGRA: red, green and blue quarters, left to right and top to bottom, so a
// picture turned over or mirrored shows; the last quarter is grey, 25 levels darker each frame
// from white, so the frame shown can be told.
inline uint32_t QuarterColor(int x, int y, int width, int height, int frame = 0)
{
    const uint32_t grey = uint32_t(255 - 25 * (frame % 10)) * 0x010101u;
    const uint32_t colors[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF000000u | grey};
    return colors[(y >= height / 2) * 2 + (x >= width / 2)];
}

// Which frame a grey of the last quarter stands for.
inline int FrameOfGrey(uint32_t pixel) { return (255 - int(pixel & 0xFF) + 12) / 25; }

inline void PaintQuarters(int frame, uint8_t* pixels, int pitch, int width, int height)
{
    for (int y = 0; y < height; ++y)
    {
        auto* row = reinterpret_cast<uint32_t*>(pixels + y * pitch);
        for (int x = 0; x < width; ++x)
            row[x] = QuarterColor(x, y, width, height, frame);
    }
}

// Whether each channel of two BGRA pixels is within `tolerance` (the codec is lossy).
inline bool NearColor(uint32_t a, uint32_t b, int tolerance = 24)
{
    for (int shift = 0; shift < 24; shift += 8)
    {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance)
            return false;
    }
    return true;
}

// A clock that moves only when the test sets it; players read it on their threads. It must
// outlive the players that read it.
class SteppedClock
{
public:
    double Now() const { return _seconds.load(); }
    void Set(double seconds) { _seconds = seconds; }
    void Advance(double seconds) { _seconds.fetch_add(seconds); }
    video::Clock Reader() const
    {
        return [this] { return Now(); };
    }

private:
    std::atomic<double> _seconds{0.0};
};

// A folder of the running test's own, removed with it, for the video files it writes.
class TestFolder
{
public:
    TestFolder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        _path = std::filesystem::temp_directory_path() /
                ("video_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        std::filesystem::create_directories(_path);
    }
    ~TestFolder() { std::filesystem::remove_all(_path); }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    std::string PathOf(const std::string& name) const { return (_path / name).string(); }

    std::string Write(const std::string& name, const std::vector<char>& content) const
    {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary).write(content.data(), std::streamsize(content.size()));
        return path;
    }

    // A video of the quarters picture, `frames` frames at `fps`, with the sound track if given.
    std::string WriteQuarters(const std::string& name, int fps, int frames, int width = 64, int height = 48,
                              const video::AviSound* sound = nullptr) const
    {
        const std::string path = PathOf(name);
        video::AviFormat format{width, height, fps, frames};
        std::string error;
        EXPECT_TRUE(video::WriteAvi(
            path, format,
            [&](int index, uint8_t* pixels, int pitch) { PaintQuarters(index, pixels, pitch, width, height); }, error,
            sound))
            << error;
        return path;
    }

private:
    std::filesystem::path _path;
};

// A mono 22050 Hz sine tone of the length, for sound tracks.
inline video::AviSound ToneTrack(float frequency, float seconds)
{
    video::AviSound sound;
    sound.sampleRate = 22050;
    sound.samples.resize(size_t(seconds * sound.sampleRate));
    for (size_t i = 0; i < sound.samples.size(); ++i)
        sound.samples[i] = int16_t(12000 * std::sin(6.2831853 * frequency * double(i) / sound.sampleRate));
    return sound;
}

inline std::vector<char> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Where a four-character chunk name first stands in a file's bytes (the size when nowhere).
inline size_t Find(const std::vector<char>& bytes, const char* name)
{
    const std::string_view all(bytes.data(), bytes.size());
    const size_t at = all.find(name);
    return at == std::string_view::npos ? bytes.size() : at;
}
