#include "platform/movie/Movie.h"

#include "foundation/base/Dumper.h"
#include "platform/movie/Canvas.h"
#include "platform/movie/MovieContext.h"
#include "platform/movie/MovieScript.h"
#include "platform/movie/Surface.h"

#include <cmath>

namespace movie {

Value Value::FromBool(bool value)
{
    Value v;
    v.type = Boolean;
    v.boolean = value;
    return v;
}

Value Value::FromNumber(double value)
{
    Value v;
    v.type = Number;
    v.number = value;
    return v;
}

Value Value::FromString(std::string text)
{
    Value v;
    v.type = String;
    v.text = std::move(text);
    return v;
}

std::unique_ptr<Movie> Movie::Create(const std::string& name, int width, int height, IMovieHost* host)
{
    std::unique_ptr<Surface> surface = Surface::Create(width, height);
    if (!surface)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Movie \"%s\": an image of %d x %d cannot be made\n", name.c_str(), width,
                                 height);
        return nullptr;
    }
    return std::unique_ptr<Movie>(new Movie(name, width, height, host, std::move(surface)));
}

Movie::Movie(const std::string& name, int width, int height, IMovieHost* host, std::unique_ptr<Surface> surface)
    : _name(name), _width(width), _height(height), _context(std::make_unique<MovieContext>(name, width, height, host)),
      _canvas(std::make_unique<Canvas>(*_context)), _surface(std::move(surface))
{}

Movie::~Movie() = default;

bool Movie::Load(const std::string& path, const std::string& name)
{
    if (_loadTried)
        return IsLoaded();
    _loadTried = true;
    _name = name;
    _context->name = name;
    _script = MovieScript::Load(*_context, *_canvas, path);
    if (!_script)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Movie \"%s\" is not loaded and draws nothing\n", _name.c_str());
        return false;
    }
    _context->InvalidateAll();
    return true;
}

bool Movie::IsLoaded() const { return _script && !_script->IsStopped(); }

bool Movie::Live()
{
    if (_script && _script->IsStopped() && !_script->IsRunning())
        _script.reset();
    return IsLoaded();
}

Value Movie::Call(const std::string& name, const std::vector<Value>& args)
{
    if (!Live())
        return Value();
    Value result;
    bool missing = true;
    if (_script->Call(name, args, result, missing))
        return result;
    if (missing)
        _context->Report("has no function \"" + name + "\"");
    return Value();
}

void Movie::Advance(double seconds)
{
    if (!Live() || !_playing || !std::isfinite(seconds) || seconds <= 0.0)
        return;
    _pending += seconds;
    for (int frames = 0; _pending >= FrameSeconds && _playing && IsLoaded(); ++frames)
    {
        if (frames == MaxCatchUpFrames)
        {
            _pending = 0.0;
            break;
        }
        _pending -= FrameSeconds;
        RunFrame();
    }
}

// A timeline with a length ends there: it starts again from frame 0 when looping, and stops
// on its last frame otherwise.
void Movie::RunFrame()
{
    ++_frame;
    // The first frame is shown whole, as a movie's player would show its first two frames.
    if (_frame == 1)
        _context->InvalidateAll();
    _script->Frame(FrameSeconds, _frame, _frame * FrameSeconds);
    if (!IsLoaded())
        return;
    const int length = _script->GetLength();
    if (length <= 0 || _frame < length)
        return;
    if (_loop)
        Restart();
    else
        _playing = false;
}

void Movie::Rewind()
{
    _pending = 0.0;
    Restart();
}

void Movie::Restart()
{
    _frame = 0;
    if (!Live())
        return;
    _script->Handle("OnRewind", {});
    _context->InvalidateAll();
}

void Movie::SetLoop(bool loop)
{
    _loop = loop;
    if (Live())
        _script->SetLoop(loop);
}

void Movie::Pointer(const char* handler, int x, int y)
{
    if (Live())
        _script->Handle(handler, {x / _context->ScaleX(), y / _context->ScaleY()});
}

void Movie::MouseMove(int x, int y) { Pointer("OnMouseMove", x, y); }
void Movie::MouseDown(int x, int y) { Pointer("OnMouseDown", x, y); }
void Movie::MouseUp(int x, int y) { Pointer("OnMouseUp", x, y); }

void Movie::KeyDown(unsigned code)
{
    if (Live())
        _script->Handle("OnKeyDown", {double(code)});
}

void Movie::KeyUp(unsigned code)
{
    if (Live())
        _script->Handle("OnKeyUp", {double(code)});
}

void Movie::Char(unsigned code)
{
    if (Live())
        _script->Handle("OnChar", {double(code)});
}

void Movie::SetTransparent(bool transparent)
{
    _surface->SetTransparent(transparent);
    if (transparent != _transparent)
        _context->InvalidateAll();
    _transparent = transparent;
}

void Movie::SetQuality(int quality)
{
    static const cairo_antialias_t kAntialias[] = {CAIRO_ANTIALIAS_NONE, CAIRO_ANTIALIAS_FAST, CAIRO_ANTIALIAS_GOOD,
                                                   CAIRO_ANTIALIAS_BEST, CAIRO_ANTIALIAS_FAST, CAIRO_ANTIALIAS_GOOD};
    if (quality < 0 || quality > 5 || quality == _quality)
        return;
    _quality = quality;
    _surface->SetAntialias(kAntialias[quality]);
    _context->InvalidateAll();
}

bool Movie::Render(const Rect& rect)
{
    if (!Live())
        return false;
    cairo_t* cr = _surface->Begin(rect);
    if (!cr)
        return false;
    _canvas->Begin(cr);
    bool painted = _script->Draw();
    if (painted && cairo_status(cr) != CAIRO_STATUS_SUCCESS)
    {
        _context->Report(std::string("drawing failed: ") + cairo_status_to_string(cairo_status(cr)));
        painted = false;
    }
    _canvas->End();
    _surface->End(cr);
    return painted;
}

const uint8_t* Movie::GetPixels() const { return _surface->GetPixels(); }

int Movie::GetStride() const { return _surface->GetStride(); }

} // namespace movie
