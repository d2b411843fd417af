#include "game/hud/HudServices.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/config/VideoSettings.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "layers/LayerManager.h"
#include "layers/LineLayer.h"

namespace Hud {

float Scale() { return LayerManager::GetScaleFactor(); }

Vec4 ScreenBox(float left, float top, float right, float bottom)
{
    const Vec2 a = Gui::ScreenPos(Vec2(left, top)), b = Gui::ScreenPos(Vec2(right, bottom));
    return Vec4(a.x, a.y, b.x, b.y);
}

float ScreenWidth()
{
    const VideoSettings* video = game.GetVideoSettings();
    return video ? float(video->ScrWidth) : 0.0f;
}

float ScreenHeight()
{
    const VideoSettings* video = game.GetVideoSettings();
    return video ? float(video->ScrHeight) : 0.0f;
}

float Seconds() { return game.GetSPF(); }

bool IsSingle() { return game.IsSingle(); }

Player* GetPlayer()
{
    const SingleLevel* level = game.GetLevel();
    return level ? level->GetPlayer() : nullptr;
}

PlayerShip* GetPlayerShip()
{
    const Player* player = GetPlayer();
    return player ? player->GetShip() : nullptr;
}

Ship* GetPlayerTarget()
{
    const PlayerShip* ship = IsSingle() ? GetPlayerShip() : nullptr;
    return ship ? ship->GetTarget() : nullptr;
}

LevelLogic* GetLogic()
{
    const SingleLevel* level = game.GetLevel();
    return level ? level->GetLogic() : nullptr;
}

Camera* GetCamera() { return game.GetCamera(); }

Texture* LoadTexture(const char* file)
{
    const MaterialSystem* render = game.GetRender();
    return render && render->GetTextureMgr() ? render->GetTextureMgr()->CreateTextureFromFile(file) : nullptr;
}

bool HasRoot() { return Root() != nullptr; }

Layer* Root() { return LayerManager::GetRoot(); }

FlashLayer* AddFlash(const char* name, const char* movie, const Vec2& designPos, const Vec2& designSize,
                     eGuiAlign align)
{
    return Gui::AddFlash(Root(), name, movie, Gui::ScreenPos(designPos, align), Gui::ScreenSize(designSize));
}

LineLayer* AddLine()
{
    Layer* root = Root();
    if (!root)
        return nullptr;
    auto* line = new LineLayer();
    root->AddChild(line);
    return line;
}

} // namespace Hud
