#pragma once

#include "platform/movie/ImageCache.h"
#include "platform/movie/MovieTypes.h"

#include <memory>
#include <set>
#include <string>
#include <string_view>

namespace movie {

class MovieGroup;

// What the script's functions reach of their movie: its name for the log, its sizes, its host,
// the group of movies it plays in, and its images.
struct MovieContext
{
    // The design units are the pixels until the script sets its own.
    MovieContext(std::string name, int width, int height, IMovieHost* host);

    // Distinct messages logged per movie before the log stops taking them.
    static constexpr size_t MaxReports = 64;
    // The most of a message that is logged and kept to tell it from others: a script's error may
    // be as long as its memory allows.
    static constexpr size_t MaxReportBytes = 1024;
    // Bytes of log lines a movie's print may write before the log stops taking them: thousands of
    // lines of debugging, and a quarter of a megabyte at most.
    static constexpr size_t MaxPrintedBytes = 256u << 10;

    std::string name;
    int width = 0, height = 0;                    // pixels
    double designWidth = 0.0, designHeight = 0.0; // the units the script draws in
    IMovieHost* host = nullptr;
    std::shared_ptr<MovieGroup> group; // the host's, or none
    ImageCache images;
    std::set<std::string> reported;
    size_t printed = 0; // bytes

    double ScaleX() const { return width / designWidth; }
    double ScaleY() const { return height / designHeight; }
    // A rectangle in design units to repaint: widened to whole pixels plus a pixel of smoothing
    // and cut to the image.
    void Invalidate(double x, double y, double w, double h);
    void InvalidateAll();
    // Logs the message (an error of the movie), cut to MaxReportBytes, unless it was logged before.
    void Report(std::string_view message);
    // The text cut to MaxReportBytes at the start of a character, "..." marking the cut.
    static std::string Excerpt(std::string_view text);
    // False once the movie has printed all the log takes from it.
    bool TakesPrints() const { return printed <= MaxPrintedBytes; }
    // Logs a line the script printed; the line that would pass MaxPrintedBytes is replaced by
    // one that says the rest is not logged.
    void Print(const char* text, size_t length);
};

} // namespace movie
