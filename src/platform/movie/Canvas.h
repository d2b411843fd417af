#pragma once

#include <cairo.h>

#include <cstddef>
#include <vector>

struct lua_State;

namespace movie {

struct MovieContext;

// The object a movie's Draw paints with. Between Begin and End it draws through a cairo
// context whose base transform maps the movie's design units onto its pixels; outside a paint
// every drawing method raises a script error. Opacity is the canvas's own: alpha() multiplies
// it, and save()/restore() keep it with the rest of the drawing state.
//
// Every call does work in proportion to what it is given, and what it is given is bounded: the
// work is charged to the script's budget, and a call past a bound raises a script error. The
// bounds lie far above what the game's movies use, and keep one call's time and the host memory
// a paint holds small.
class Canvas
{
public:
    // The text one call measures or draws, in bytes.
    static constexpr size_t MaxTextBytes = 64u << 10;
    // The points of the path being built; an arc counts three for each eighth of a turn. A fill
    // or stroke of crossing lines costs about the square of its points.
    static constexpr int MaxPathPoints = 1000;
    // States saved and not yet restored, and clips in force (each clip that is not a rectangle
    // of the pixels makes every later paint test one more path).
    static constexpr int MaxSavedStates = 256;
    static constexpr int MaxClips = 64;
    // The radius of an arc, circle or round corner, in pixels: the path keeps its points in
    // fixed point to some eight million pixels, and lays a larger arc in ever more pieces.
    static constexpr double MaxRadiusPixels = 1 << 22;

    explicit Canvas(MovieContext& context) : _context(context) {}

    void Begin(cairo_t* cr);
    void End();

    // The methods, and the type scripts see the canvas as.
    static void Register(lua_State* L);
    // Pushes a script value standing for this canvas (one per movie, kept by the script).
    void Push(lua_State* L);
    // The canvas of the method call (argument 1) while it paints; raises a script error otherwise.
    static Canvas& Check(lua_State* L);

    cairo_t* Cr() const { return _cr; }
    MovieContext& Context() const { return _context; }
    double Alpha() const { return _alpha; }
    void MultiplyAlpha(double alpha) { _alpha *= alpha; }
    // Past MaxSavedStates or MaxClips these raise the script's error.
    void Save(lua_State* L);
    void Restore();
    void Clip(lua_State* L, double x, double y, double w, double h);
    // A new, empty path.
    void NewPath();
    // The path grows by `points`; past MaxPathPoints this raises the script's error.
    void GrowPath(lua_State* L, int points);
    int PathPoints() const { return _pathPoints; }

private:
    struct Saved
    {
        double alpha;
        int clips;
    };

    MovieContext& _context;
    cairo_t* _cr = nullptr;
    double _alpha = 1.0;
    int _clips = 0;
    int _pathPoints = 0;
    std::vector<Saved> _saved;
};

// Text methods of the canvas (CanvasText.cpp).
int CanvasFont(lua_State* L);
int CanvasText(lua_State* L);
int CanvasTextBox(lua_State* L);
int CanvasMeasure(lua_State* L);

} // namespace movie
