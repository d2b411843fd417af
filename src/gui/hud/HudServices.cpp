#include "gui/hud/HudServices.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/config/VideoSettings.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/flash/FlashControl.h"

namespace Hud {

namespace {

const Color White(1.0f, 1.0f, 1.0f, 1.0f);

} // namespace

float Scale() { return LayerManager::GetScaleFactor(); }

float Shift(eHudAlign align)
{
    switch (align)
    {
    case HUD_ALIGN_CENTER:
        return LayerManager::GetCAShift(true);
    case HUD_ALIGN_RIGHT:
        return LayerManager::GetRAShift(true);
    default:
        return 0.0f;
    }
}

Vec2 ScreenPos(const Vec2& design, eHudAlign align) { return design * Scale() + Vec2(Shift(align), 0.0f); }

Vec2 ScreenSize(const Vec2& design) { return design * Scale(); }

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

Material* LoadMaterial(const char* file)
{
    const MaterialSystem* render = game.GetRender();
    return render && render->GetMaterialMgr() ? render->GetMaterialMgr()->CreateMaterialFromFile(file) : nullptr;
}

Texture* LoadTexture(const char* file)
{
    const MaterialSystem* render = game.GetRender();
    return render && render->GetTextureMgr() ? render->GetTextureMgr()->CreateTextureFromFile(file) : nullptr;
}

FlashLayer* AddFlash(const char* name, const char* movie, const Vec2& designPos, const Vec2& designSize,
                     eHudAlign align)
{
    return AddFlashAt(name, movie, ScreenPos(designPos, align), ScreenSize(designSize));
}

FlashLayer* AddFlashAt(const char* name, const char* movie, const Vec2& pos, const Vec2& size)
{
    return AddToRoot(LayerManager::CreateFlashLayer(name, movie, pos, size, 0.0f, White));
}

SpriteLayer* AddSprite(const char* name, Material* material, const Vec2& pos, const Vec2& size)
{
    return AddToRoot(new SpriteLayer(name, material, pos, size, 0.0f, White));
}

bool HasRoot() { return LayerManager::GetRoot() != nullptr; }

bool AttachToRoot(Layer* layer)
{
    Layer* root = LayerManager::GetRoot();
    if (!root)
    {
        delete layer;
        return false;
    }
    root->AddChild(layer);
    return true;
}

void RemoveFromRoot(Layer*& layer)
{
    if (Layer* root = LayerManager::GetRoot(); root && layer)
        root->RemoveChild(layer);
    layer = nullptr;
}

void Call(FlashLayer* layer, const wchar_t* function, const FlashHost::Args& args)
{
    if (layer && layer->GetFC())
        layer->GetFC()->callFunction(function, args);
}

} // namespace Hud
