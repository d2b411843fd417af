#pragma once
// A named path of numbered points placed by a level file, with an optional speed limit for the
// ships on it. Ships follow tracks and the AI builds its track tasks from them. Tracks are not
// actors: the mission frame keeps and frees them. A track holds at most MaxPoints points.
#include <vector>

#include "MaterialSystem/draw/DrawTypes.h"
#include "foundation/base/Name.h"
#include "foundation/math/Vec3.h"
#include "scene/nodes/IDebugRenderable.h"

struct TrackPoint
{
    int index = 0; // the point's number from the level file
    Vec3 position{0, 0, 0};
};

class Track : public IDebugRenderable
{
public:
    static constexpr unsigned MaxPoints = 256;
    static constexpr float NoSpeedLimit = -1;

    Track();

    void SetName(Name name) { _name = name; }
    Name GetName() const { return _name; }
    void SetConstrainedSpeed(float speed) { _constrainedSpeed = speed; }
    // Negative: no limit.
    float GetConstrainedSpeed() const { return _constrainedSpeed; }

    // A point past MaxPoints is refused with a logged error.
    void AddPoint(const Vec3& position, unsigned index);
    // Orders the points by index (equal indices keep their order) and builds the path lines.
    void PostInitialize();
    // The caller keeps i below GetPointCount().
    TrackPoint GetPoint(unsigned i) const { return _points[i]; }
    unsigned GetPointCount() const { return static_cast<unsigned>(_points.size()); }
    // Line i joins point i and point i + 1, once PostInitialize has run.
    const std::vector<HelperLine>& GetPathLines() const { return _pathLines; }

    // The path and a box around each point, for the game's camera on the stage layer.
    void OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system) override;

private:
    void Sort();
    void RenderPoint(unsigned i, MaterialSystem* system);

    Name _name;
    std::vector<TrackPoint> _points;
    float _constrainedSpeed = NoSpeedLimit;
    std::vector<HelperLine> _pathLines;
};
