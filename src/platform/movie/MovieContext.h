#pragma once

#include "platform/movie/ImageCache.h"
#include "platform/movie/MovieTypes.h"

#include <set>
#include <string>

namespace movie {

// What the script's functions reach of their movie: its name for the log, its sizes, its host
// and its images.
struct MovieContext
{
    // Distinct messages logged per movie before the log stops taking them.
    static constexpr size_t MaxReports = 64;

    std::string name;
    int width = 0, height = 0;                    // pixels
    double designWidth = 0.0, designHeight = 0.0; // the units the script draws in
    IMovieHost* host = nullptr;
    ImageCache images;
    std::set<std::string> reported;

    double ScaleX() const { return width / designWidth; }
    double ScaleY() const { return height / designHeight; }
    // A rectangle in design units to repaint: widened to whole pixels plus a pixel of smoothing
    // and cut to the image.
    void Invalidate(double x, double y, double w, double h);
    void InvalidateAll();
    // Logs the message (an error of the movie) unless it was logged before.
    void Report(const std::string& message);
};

} // namespace movie
