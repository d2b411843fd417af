#include "gui/menus/GuiVideoIntro.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "game/core/engine/GameEngine.h"
#include "game/core/frames/GameFrameManager.h"
#include "layers/video/VideoVMR9.h"

namespace {

// A touch below 16/9.
constexpr float PictureAspect = 1.777777f;

} // namespace

GuiVideoIntro::GuiVideoIntro(GameFrameManager* manager, const char* name) : GameFrame(manager, name) {}

GuiVideoIntro::~GuiVideoIntro() = default;

void GuiVideoIntro::LetterboxRect(float screenWidth, float screenHeight, Vec2& pos, Vec2& size)
{
    const float height = screenWidth / PictureAspect;
    pos = Vec2(0.0f, screenHeight / 2 - height / 2);
    size = Vec2(screenWidth, height);
}

MaterialSystem* GuiVideoIntro::Render() const { return GetEngine() ? GetEngine()->GetRender() : nullptr; }

void GuiVideoIntro::Load()
{
    MaterialSystem* render = Render();
    if (!render)
        return;
    int width = 0, height = 0;
    _video = std::make_unique<VideoVMR9>(render->GetDE(), render->GetDevice(), render->GetCriticalSection(),
                                         "movies/logo.avi", render->GetRenderWindow(), width, height, false,
                                         GetEngine()->GetVideoClock(), GetEngine()->GetSoundEngine());
    // A video that cannot play reports 0 x 0 and ends at its first update.
    if (!_videoTexture && width > 0 && height > 0)
    {
        TextureDesc desc;
        desc.kind = TEXKIND_RENDERTARGET;
        desc.width = uint32_t(width);
        desc.height = uint32_t(height);
        _videoTexture = render->GetTextureMgr()->CreateTexture("$logo_intro", desc);
    }
    if (_videoTexture)
        _video->SetTexture(_videoTexture->GetTexHandle());
    render->SetVMR9(_video.get());
    _videoMaterial = render->GetMaterialMgr()->CreateMaterialFromFile("video//logo_intro.mat");
    _black = render->GetMaterialMgr()->CreateMaterialFromFile("black.mat");
    render->SetRenderSleep(10);
}

void GuiVideoIntro::UserProceed(float)
{
    MaterialSystem* render = Render();
    if (!render || !_video)
        return;
    if (!_video->Update())
    {
        GetManager()->SetActive("main_menu");
        render->SetVMR9(nullptr);
    }
    const VideoSettings* video = render->GetSettings();
    const float w = float(video->ScrWidth), h = float(video->ScrHeight);
    const Color white(1.0f, 1.0f, 1.0f, 1.0f);
    render->RenderQuad(_black, Vec2(0.0f, 0.0f), Vec2(w, h), 0.0f, white, 0);
    // Without a picture (a video that cannot play) the screen stays black: the video's
    // material would show the missing texture's pattern.
    if (!_videoTexture)
        return;
    // A device reset makes the texture anew.
    _video->SetTexture(_videoTexture->GetTexHandle());
    Vec2 pos, size;
    LetterboxRect(w, h, pos, size);
    Vec2 uv0(0.0f, 1.0f), uv1(0.0f, 0.0f), uv2(1.0f, 1.0f), uv3(1.0f, 0.0f);
    render->RenderQuadAdvanced(_videoMaterial, pos, size, uv0, uv1, uv2, uv3, 0.0f, white, 0);
}

// The render sleep stays: the main menu sets it again.
void GuiVideoIntro::Unload()
{
    MaterialSystem* render = Render();
    if (!render || !_video)
        return;
    _video->PrepareToRelease();
    render->ResetCriticalSection();
    // The device deletes it once its player has stopped.
    render->DeleteVMR9(std::move(_video));
}

void GuiVideoIntro::EventSelectApply() { GetManager()->SetActive("main_menu"); }

void GuiVideoIntro::EventSelectDecline() { GetManager()->SetActive("main_menu"); }
