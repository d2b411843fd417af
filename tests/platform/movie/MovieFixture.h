#pragma once

#include "platform/movie/Movie.h"
#include "platform/movie/MovieGroup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Every line the log prints while a test runs.
std::vector<std::string>& LogLines();
// Lines that contain `text`.
int LogCount(const std::string& text);

// What a movie asked of its host.
class RecordingHost : public movie::IMovieHost
{
public:
    void Invalidate(const movie::Rect* rect) override;
    movie::Value CallHost(const std::string& name, const std::vector<movie::Value>& args) override;
    bool LoadImage(const std::string& name, movie::Image& image, std::string& error) override;
    uint64_t GetFrame() const override { return frame; }
    std::shared_ptr<movie::MovieGroup> GetGroup() const override { return group; }

    // "all" for a whole invalidation, else "left,top,right,bottom".
    std::vector<std::string> invalidations;
    std::vector<std::string> calls; // "name(arg, arg)"
    movie::Value answer;
    std::function<void(const std::string& name)> onCall; // runs before the answer goes back
    std::map<std::string, movie::Image> images;
    uint64_t frame = 0; // the game's frame, stepped by the test
    // The group the movies made from now on play in; none, unless a test is about it.
    std::shared_ptr<movie::MovieGroup> group;
};

// Movies from script texts written into a scratch folder.
class MovieTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A loaded movie of that size, in the frame after the one it loaded in; the script goes to
    // "<scratch>/<name>.lua".
    std::unique_ptr<movie::Movie> Make(const std::string& script, int width = 64, int height = 32,
                                       const std::string& name = "test");
    std::filesystem::path Write(const std::string& name, const std::string& text);
    // The premultiplied pixel at (x, y) as 0xAARRGGBB.
    static uint32_t Pixel(const movie::Movie& movie, int x, int y);
    static bool Render(movie::Movie& movie)
    {
        return movie.Render(movie::Rect{0, 0, movie.GetWidth(), movie.GetHeight()});
    }

    std::filesystem::path _scratch;
    RecordingHost _host;
};
