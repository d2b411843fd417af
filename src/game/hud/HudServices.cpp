#include "game/hud/HudServices.h"

#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "foundation/config/GameSettings.h"
#include "foundation/config/VideoSettings.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/texts/GameTexts.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "layers/flash/FlashControl.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/LineLayer.h"
#include "layers/widgets/GuiGame.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/TextureMgr.h"

#include <cstring>
#include <filesystem>
#include <string>

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

const char* Text(const char* code)
{
    const GameTexts* texts = game.GetGameTextsSystem();
    return texts ? texts->GetTextByCode(code) : code;
}

Material* LoadWordsMaterial(const char* file)
{
    const GameSettings* settings = game.GetGameSettings();
    const MaterialSystem* render = game.GetRender();
    const MaterialMgr* materials = render ? render->GetMaterialMgr() : nullptr;
    if (settings && materials && file && std::strcmp(settings->Language, "en") != 0)
    {
        const std::string local = std::string(settings->Language) + "//" + file;
        if (std::filesystem::is_regular_file(ResolvePath(std::string(materials->GetRootDir()) + "//" + local)))
            return GuiGame::LoadMaterial(local.c_str());
    }
    return GuiGame::LoadMaterial(file);
}

bool HasRoot() { return Root() != nullptr; }

Layer* Root() { return LayerManager::GetRoot(); }

FlashLayer* AddFlash(const char* name, const char* movie, const Vec2& designPos, const Vec2& designSize,
                     eGuiAlign align)
{
    FlashLayer* layer =
        Gui::AddFlash(Root(), name, movie, Gui::ScreenPos(designPos, align), Gui::ScreenSize(designSize));
    AnswerTexts(layer);
    return layer;
}

void AnswerTexts(FlashLayer* layer)
{
    FlashHost::FlashControl* control = layer ? layer->GetFC() : nullptr;
    if (!control)
        return;
    control->bind(L"Text", [](FlashHost::FlashControl*, const FlashHost::Args& args) {
        if (args.empty() || args[0].getType() != FlashHost::FT_STRING)
            return FlashHost::FlashValue();
        return FlashHost::FlashValue(Text(wstring2string(args[0].getString()).c_str()));
    });
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
