#include "platform/movie/MovieContext.h"

#include "foundation/base/Dumper.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace movie {

MovieContext::MovieContext(std::string name, int width, int height, IMovieHost* host)
    : name(std::move(name)), width(width), height(height), designWidth(width), designHeight(height), host(host),
      group(host ? host->GetGroup() : nullptr), images(group)
{}

void MovieContext::Invalidate(double x, double y, double w, double h)
{
    if (!host || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(w) || !std::isfinite(h) || w <= 0.0 ||
        h <= 0.0)
        return;
    const double sx = ScaleX(), sy = ScaleY();
    Rect rect;
    rect.left = int(std::clamp(std::floor(x * sx) - 1.0, 0.0, double(width)));
    rect.top = int(std::clamp(std::floor(y * sy) - 1.0, 0.0, double(height)));
    rect.right = int(std::clamp(std::ceil((x + w) * sx) + 1.0, 0.0, double(width)));
    rect.bottom = int(std::clamp(std::ceil((y + h) * sy) + 1.0, 0.0, double(height)));
    if (!rect.IsEmpty())
        host->Invalidate(&rect);
}

void MovieContext::InvalidateAll()
{
    if (host)
        host->Invalidate(nullptr);
}

std::string MovieContext::Excerpt(std::string_view text)
{
    if (text.size() <= MaxReportBytes)
        return std::string(text);
    size_t cut = MaxReportBytes - 3;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "...";
}

void MovieContext::Report(std::string_view full)
{
    if (reported.size() > MaxReports)
        return;
    const std::string message = Excerpt(full);
    if (!reported.insert(message).second)
        return;
    if (reported.size() > MaxReports)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Movie \"%s\": too many errors, the rest are not logged\n", name.c_str());
        return;
    }
    Dumper::Instance().Print(DUMP_ERROR, "Movie \"%s\": %s\n", name.c_str(), message.c_str());
}

void MovieContext::Print(const char* text, size_t length)
{
    if (!TakesPrints())
        return;
    // The line as the log file has it: prefix, Movie "<name>": <text>, line end. An empty print
    // costs its line too.
    printed += std::strlen(DumpFilePrefix(DUMP_SCRIPT)) + name.size() + length + 11;
    if (TakesPrints())
        Dumper::Instance().Print(DUMP_SCRIPT, "Movie \"%s\": %.*s\n", name.c_str(), int(length), text);
    else
        Dumper::Instance().Print(DUMP_WARNING, "Movie \"%s\": printed more than %zu bytes, the rest is not logged\n",
                                 name.c_str(), MaxPrintedBytes);
}

} // namespace movie
