#pragma once

#include "platform/movie/MovieTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace movie {

class Canvas;
class MovieScript;
class Surface;
struct MovieContext;

// One movie: a script of the data language with its own interpreter state, drawn into a
// premultiplied ARGB image of a fixed size. The script publishes functions by name, paints in
// its Draw function when the host asks for a rectangle, runs a per-frame Update on a 30 frames
// a second timeline, receives mouse and key input, and calls back into the host. A movie whose
// script fails to load, or is stopped for running too long or out of memory, stays inert: it
// draws nothing and every call answers Null. Script errors are logged with the movie's name and
// line, each distinct message once.
class Movie
{
public:
    static constexpr double FrameSeconds = 1.0 / 30.0;
    // The most frames one Advance runs; a longer pause skips the rest.
    static constexpr int MaxCatchUpFrames = 4;

    // Null (and a logged error naming `name`) when an image of that size cannot be made.
    static std::unique_ptr<Movie> Create(const std::string& name, int width, int height, IMovieHost* host);
    ~Movie();
    Movie(const Movie&) = delete;
    Movie& operator=(const Movie&) = delete;

    // Runs the script at `path`, known as `name` in the log from then on; false leaves the movie
    // inert. A movie loads once.
    bool Load(const std::string& path, const std::string& name);
    bool IsLoaded() const;
    const std::string& GetName() const { return _name; }

    // Calls a published function; Null when the movie has none of that name (logged once per
    // name) or the call fails.
    Value Call(const std::string& name, const std::vector<Value>& args);

    // The timeline: Advance runs one Update per elapsed frame while playing, and asks for the
    // whole movie to be drawn on frame 1. A movie that sets its length in frames stops at the
    // end, or starts again from frame 0 while looping.
    void Advance(double seconds);
    void Play() { _playing = true; }
    void Stop() { _playing = false; }
    void Rewind();
    void SetLoop(bool loop);
    bool IsPlaying() const { return _playing; }
    int GetFrame() const { return _frame; }

    // Input in movie pixels, and key codes (virtual keys, characters).
    void MouseMove(int x, int y);
    void MouseDown(int x, int y);
    void MouseUp(int x, int y);
    void KeyDown(unsigned code);
    void KeyUp(unsigned code);
    void Char(unsigned code);

    // Cleared to transparency (or opaque black) before drawing.
    void SetTransparent(bool transparent);
    // 0 low .. 3 best, 4 auto-low, 5 auto-high: the edge smoothing of shapes and text.
    void SetQuality(int quality);
    // Clears the rectangle and paints it with the script's Draw. False when nothing was painted
    // (an inert movie, or an error): the host shows none of the rectangle then.
    bool Render(const Rect& rect);

    // The image: premultiplied 0xAARRGGBB words, rows `GetStride()` bytes apart.
    const uint8_t* GetPixels() const;
    int GetStride() const;
    int GetWidth() const { return _width; }
    int GetHeight() const { return _height; }

private:
    Movie(const std::string& name, int width, int height, IMovieHost* host, std::unique_ptr<Surface> surface);
    // False once the script is gone or stopped; a stopped script is freed here, unless a call of
    // it is still under way.
    bool Live();
    void RunFrame();
    // Frame 0 again; the script's OnRewind resets what it animates.
    void Restart();
    void Pointer(const char* handler, int x, int y);

    std::string _name;
    int _width, _height;
    std::unique_ptr<MovieContext> _context;
    std::unique_ptr<Canvas> _canvas;
    std::unique_ptr<Surface> _surface;
    std::unique_ptr<MovieScript> _script; // goes first: its values hold images and gradients
    bool _loadTried = false;
    bool _transparent = true;
    int _quality = -1;
    double _pending = 0.0;
    int _frame = 0;
    bool _playing = true;
    bool _loop = true;
};

} // namespace movie
