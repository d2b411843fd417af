#include "platform/movie/Surface.h"

#include <algorithm>

namespace movie {

std::unique_ptr<Surface> Surface::Create(int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return std::unique_ptr<Surface>(new Surface(surface));
}

Surface::Surface(cairo_surface_t* surface)
    : _surface(surface), _pixels(cairo_image_surface_get_data(surface)),
      _stride(cairo_image_surface_get_stride(surface)), _width(cairo_image_surface_get_width(surface)),
      _height(cairo_image_surface_get_height(surface)), _fontOptions(cairo_font_options_create())
{
    // Unhinted metrics: text lays out the same at every scale a movie is shown at.
    cairo_font_options_set_hint_metrics(_fontOptions, CAIRO_HINT_METRICS_OFF);
}

Surface::~Surface()
{
    cairo_font_options_destroy(_fontOptions);
    cairo_surface_destroy(_surface);
}

cairo_t* Surface::Begin(const Rect& rect)
{
    const Rect painting{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, _width),
                        std::min(rect.bottom, _height)};
    if (painting.IsEmpty())
        return nullptr;
    cairo_t* cr = cairo_create(_surface);
    cairo_rectangle(cr, painting.left, painting.top, painting.Width(), painting.Height());
    cairo_clip(cr);
    cairo_save(cr);
    if (_transparent)
    {
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    }
    else
    {
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
    }
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_set_antialias(cr, _antialias);
    cairo_font_options_set_antialias(_fontOptions,
                                     _antialias == CAIRO_ANTIALIAS_NONE ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, _fontOptions);
    return cr;
}

void Surface::End(cairo_t* cr)
{
    if (!cr)
        return;
    cairo_destroy(cr);
    cairo_surface_flush(_surface);
}

} // namespace movie
