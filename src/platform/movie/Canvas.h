#pragma once

#include <cairo.h>

#include <vector>

struct lua_State;

namespace movie {

struct MovieContext;

// The object a movie's Draw paints with. Between Begin and End it draws through a cairo
// context whose base transform maps the movie's design units onto its pixels; outside a paint
// every drawing method raises a script error. Opacity is the canvas's own: alpha() multiplies
// it, and save()/restore() keep it with the rest of the drawing state.
class Canvas
{
public:
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
    void Save();
    void Restore();

private:
    MovieContext& _context;
    cairo_t* _cr = nullptr;
    double _alpha = 1.0;
    std::vector<double> _saved;
};

// Text methods of the canvas (CanvasText.cpp).
int CanvasFont(lua_State* L);
int CanvasText(lua_State* L);
int CanvasTextBox(lua_State* L);
int CanvasMeasure(lua_State* L);

} // namespace movie
