#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace movie {

class MovieGroup;

// A value crossing between a movie and its host. Text is UTF-8.
struct Value
{
    enum Type
    {
        Null,
        Boolean,
        Number,
        String
    };

    Value() = default;
    static Value FromBool(bool value);
    static Value FromNumber(double value);
    static Value FromString(std::string text);

    Type type = Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;
};

// A rectangle of movie pixels; right and bottom are exclusive.
struct Rect
{
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

// The largest side of an image a movie draws, whatever its source: several screens wide, and
// 64 MB of pixels at most. Larger images are refused before their pixels are read.
constexpr int MaxImageSide = 4096;

// Pixels handed to a movie: 0xAARRGGBB words with straight alpha, top row first.
struct Image
{
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};

// What a movie asks of the one who plays it.
class IMovieHost
{
public:
    virtual ~IMovieHost() = default;
    // Part of the movie changed and must be drawn again; null for all of it.
    virtual void Invalidate(const Rect* rect) = 0;
    // A function of the host called by the movie; Null when the host has none of that name.
    virtual Value CallHost(const std::string& name, const std::vector<Value>& args) = 0;
    // The game's frame, a number that grows by one a frame: what the movie takes of the thread's
    // time counts per frame, all its entries together.
    virtual uint64_t GetFrame() const = 0;
    // The movies this host plays together, which share one budget on top of each one's own; null
    // for none. A movie takes it when it is made.
    virtual std::shared_ptr<MovieGroup> GetGroup() const = 0;
    // An image the movie names that is not a ".png" file (a game texture); false, with the
    // reason in `error`, when there is none.
    virtual bool LoadImage(const std::string& name, Image& image, std::string& error) = 0;
};

} // namespace movie
