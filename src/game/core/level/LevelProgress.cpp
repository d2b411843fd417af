#include "game/core/level/LevelProgress.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "foundation/config/VideoSettings.h"
#include "game/core/game/Game.h"
#include "game/core/texts/GameTexts.h"
#include "game/profiles/ProfileManager.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/flash/FlashControl.h"

LevelProgress::~LevelProgress() { ShutDown(); }

void LevelProgress::Initialize()
{
    _initialised = true;
    MaterialSystem* render = game.GetRender();
    Layer* root = LayerManager::GetRoot();
    if (!render || !root)
        return;
    _background = render->GetMaterialMgr()->CreateMaterialFromFile("black.mat");
    const VideoSettings* video = render->GetSettings();
    _backdrop = new SpriteLayer("default", _background, Vec2(0, 0),
                                Vec2(float(video->ScrWidth), float(video->ScrHeight)), 0, Color(1, 1, 1, 1));
    root->AddChild(_backdrop);

    const float scale = LayerManager::GetScaleFactor();
    const Vec2 position = Vec2(50, 770) * scale + Vec2(LayerManager::GetCAShift(true), 0);
    _preloader = LayerManager::CreateFlashLayer("preloader", "swf//preloader.swf", position, Vec2(1280, 148) * scale, 0,
                                                Color(1, 1, 1, 1));
    _preloader->SetDrawAnyway(true);
    root->AddChild(_preloader);
    const GameTexts* texts = game.GetGameTextsSystem();
    const char* title = texts ? texts->GetTextByCode("ui_preloader_title") : "ui_preloader_title";
    _preloader->GetFC()->callFunction(L"SetText", FlashHost::Args(FlashHost::FlashValue(title)));
    ProfileManager* profiles = game.GetProfileManager();
    _tip = profiles ? profiles->GetTipsManager()->GetRandomTip() : "";
    if (!_tip.empty())
        _preloader->GetFC()->callFunction(L"SetTip", FlashHost::Args(FlashHost::FlashValue(_tip.c_str())));
}

void LevelProgress::Draw()
{
    if (_preloader)
        _preloader->GetFC()->callFunction(L"SetProgress", FlashHost::Args(FlashHost::FlashValue(_progress)));
}

void LevelProgress::ShutDown()
{
    if (Layer* root = LayerManager::GetRoot())
    {
        if (_preloader)
            root->RemoveChild(_preloader);
        if (_backdrop)
            root->RemoveChild(_backdrop);
    }
    _preloader = nullptr;
    _backdrop = nullptr;
    _initialised = false;
}

void LevelProgress::SetProgress(float percent)
{
    const float fraction = percent * 0.01f;
    _progress = fraction < 0 ? 0 : (fraction > 1 ? 1 : fraction);
}
