#include "game/world/environment/Track.h"

#include <algorithm>

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"

namespace {
constexpr uint32_t LineColor = 0xFF00FF00; // opaque green
constexpr uint32_t FaceColor = 0x3F00FF00; // translucent green
constexpr float BoxHalfSize = 10;
} // namespace

Track::Track() : _name("(no_name)") {}

void Track::AddPoint(const Vec3& position, unsigned index)
{
    if (_points.size() >= MaxPoints)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Track \"%s\": more than %u points; point %u is left out\n", _name.Str(),
                                 MaxPoints, index);
        return;
    }
    _points.push_back({static_cast<int>(index), position});
}

void Track::Sort()
{
    std::stable_sort(_points.begin(), _points.end(),
                     [](const TrackPoint& a, const TrackPoint& b) { return a.index < b.index; });
}

void Track::PostInitialize()
{
    Sort();
    _pathLines.clear();
    for (size_t i = 0; i + 1 < _points.size(); ++i)
        _pathLines.push_back({{_points[i].position, _points[i + 1].position}, LineColor});
}

void Track::OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system)
{
    if (layer != SL_STAGE || !system || camera != game.GetCamera())
        return;
    if (!_pathLines.empty())
        system->DrawLines(_pathLines.data(), static_cast<unsigned>(_pathLines.size()));
    for (unsigned i = 0; i < GetPointCount(); ++i)
        RenderPoint(i, system);
}

// The twelve edges and the six faces (as twelve triangles) of a box around the point.
void Track::RenderPoint(unsigned i, MaterialSystem* system)
{
    const Vec3 lo = _points[i].position - Vec3(BoxHalfSize);
    const Vec3 hi = _points[i].position + Vec3(BoxHalfSize);
    Vec3 c[8];
    for (int k = 0; k < 8; ++k)
        c[k] = Vec3(k & 1 ? hi.x : lo.x, k & 2 ? hi.y : lo.y, k & 4 ? hi.z : lo.z);
    static const int Edges[12][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {0, 2}, {1, 3},
                                     {4, 6}, {5, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    static const int Faces[12][3] = {{0, 1, 3}, {0, 3, 2}, {4, 6, 7}, {4, 7, 5}, {0, 4, 5}, {0, 5, 1},
                                     {2, 3, 7}, {2, 7, 6}, {0, 2, 6}, {0, 6, 4}, {1, 5, 7}, {1, 7, 3}};
    HelperLine lines[12];
    HelperTriangle faces[12];
    for (int k = 0; k < 12; ++k)
    {
        lines[k] = {{c[Edges[k][0]], c[Edges[k][1]]}, LineColor};
        faces[k] = {{c[Faces[k][0]], c[Faces[k][1]], c[Faces[k][2]]}, FaceColor};
    }
    system->DrawLines(lines, 12);
    system->DrawTriangles(faces, 12);
}
