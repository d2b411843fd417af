#include "MissionPilot.h"

#include <cmath>

#include "MaterialSystem/MaterialSystem.h"
#include "ScriptedInput.h"
#include "foundation/config/VideoSettings.h"
#include "game/ai/LevelLogic.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "scene/nodes/Camera.h"

namespace {
constexpr float Degrees = 57.29578f;
}

void Project(const Vec3& point, Sight& sight)
{
    const VideoSettings* video = game.GetRender()->GetSettings();
    Camera* camera = game.GetCamera();
    Vec3 screen(0, 0, 0);
    camera->WorldToScreenNoScissor(point, game.GetRender(), screen, sight.behind);
    sight.x = screen.x - video->ScrWidth * 0.5f;
    sight.y = screen.y - video->ScrHeight * 0.5f;
    // The same in the camera's axes, where behind and far off the screen keep their meaning.
    const Matrix& view = camera->GetWorldMatrix();
    const Vec3 way = point - view.Pos();
    const float right = way.Dot(view.Right()), up = way.Dot(view.Up()), ahead = way.Dot(view.Dir());
    sight.off = std::atan2(std::sqrt(right * right + up * up), ahead) * Degrees;
    sight.clock = std::atan2(right, up) * Degrees;
}

bool Look(Sight& sight)
{
    const SingleLevel* level = game.GetLevel();
    const LevelLogic* logic = level->GetLogic();
    const PlayerShip* ship = level->GetPlayer()->GetShip();
    bool found = false;
    for (unsigned i = 0; ship && i < logic->GetGlobalTargetCount(); ++i)
    {
        const GlobalLevelTarget* mark = logic->GetGlobalTarget(i);
        const float distance = ship->GetPosition().Distance(mark->position);
        if (mark->color.g > 0 || (found && distance >= sight.distance))
            continue;
        Project(mark->position, sight);
        sight.distance = distance;
        found = true;
    }
    return found;
}

bool Boxed(const Sight& sight)
{
    const Ship* target = game.GetLevel()->GetPlayer()->GetShip()->GetTarget();
    if (!target)
        return false;
    Sight box;
    Project(target->GetPosition(), box);
    return !box.behind && std::fabs(box.x - sight.x) < 30 && std::fabs(box.y - sight.y) < 30;
}

bool BreakingAway(bool breaking, float distance, const Foe& foe)
{
    if (breaking)
        return distance <= foe.breakAway + 400;
    return distance < foe.breakAway;
}

void PilotHands::Hold(uint32_t key, bool down)
{
    bool& held = _held[key & 0xff];
    if (down != held)
        _input.Key(key, down);
    held = down;
}

void PilotHands::Mouse(int dx, int dy, int wheel) { _input.MouseMove(dx, dy, wheel); }
