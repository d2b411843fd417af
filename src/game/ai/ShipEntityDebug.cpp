// The ship entity's debug drawing, with the game setting "DebugInformation": its axes on the
// screen, and for the player's target its mode, speed, obstacles and target.
#include <cstdio>

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/config/GameSettings.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"
#include "game/ai/EntityManager.h"
#include "game/ai/ShipEntity.h"
#include "game/core/game/Game.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "scene/nodes/Camera.h"

namespace Pelloris {

namespace {

constexpr float AxisLength = 50;
constexpr float Offscreen = -3.4028235e38f;

const char* const ModeTexts[] = {
    "%s: Idle",
    "%s: Moving to target position",
    "%s: Attacking target",
    "%s: Evasive maneuver while attacking",
    "%s: Getting on target after evasive maneuver",
    "%s: Following the leader",
    "%s: Patrolling the area",
    "%s: Staying on path",
    "%s: Patrolling the path",
    "%s: Getting back to patrolled path after disengagement",
    "%s: Escorting the target",
    "%s: Getting back to escorting after disengagement",
};

void DrawText(MaterialSystem& render, const Vec3& at, float top, const char* text)
{
    const Vec4 rect(at.x + 1, at.y + top, at.x + 999, at.y + 999);
    render.DrawD3DText("Courier New", 16, 8, false, text, rect, TA_TOP_LEFT, false, Color(1, 1, 1, 1));
}

} // namespace

void ShipEntity::DebugAnnotation() const
{
    const GameSettings* settings = game.GetGameSettings();
    MaterialSystem* render = game.GetRender();
    const Camera* camera = game.GetCamera();
    if (!settings || !settings->DebugInformation || !render || !camera)
        return;
    Vec3 origin;
    camera->WorldToScreen(GetPosition().ToVec3(), render, origin);
    if (origin.x == Offscreen)
        return;
    const struct
    {
        SteerVec3 axis;
        Color color;
    } axes[] = {{GetForward(), Color(1, 0, 0, 1)}, {GetUp(), Color(0, 1, 0, 1)}, {GetSide(), Color(0, 0, 1, 1)}};
    for (const auto& axis : axes)
    {
        Vec3 end;
        camera->WorldToScreen((GetPosition() + axis.axis * AxisLength).ToVec3(), render, end);
        if (end.x != Offscreen)
            render->DrawLine2D(Vec2(origin.x, origin.y), Vec2(end.x, end.y), axis.color, axis.color);
    }

    const Player* player = _manager ? _manager->GetPlayer() : nullptr;
    const Ship* playerShip = player ? player->GetShip() : nullptr;
    if (!playerShip || playerShip->GetTarget() != _ship)
        return;
    char text[ShipNameSize + 64];
    std::snprintf(text, sizeof text, ModeTexts[_mode], _ship->GetName());
    DrawText(*render, origin, 10, text);
    std::snprintf(text, sizeof text, "Speed: %.2f", GetSpeed());
    DrawText(*render, origin, 30, text);
    if (!_obstacles.empty())
    {
        std::snprintf(text, sizeof text, "Avoiding %d obstacle(s)", static_cast<int>(_obstacles.size()));
        DrawText(*render, origin, 50, text);
    }
    if (_target)
    {
        std::snprintf(text, sizeof text, "Target %s", _target->GetName());
        DrawText(*render, origin, 50, text);
    }
}

} // namespace Pelloris
