#include "gui/menus/MenuBackground.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "game/core/game/MenuGame.h"
#include "layers/video/VideoVMR9.h"

MenuBackground::MenuBackground(const char* textureName, const char* materialFile)
    : _textureName(textureName), _materialFile(materialFile)
{}

MenuBackground::~MenuBackground() { Unload(); }

void MenuBackground::Load(const char* movie)
{
    MaterialSystem* render = MenuGame::Render();
    if (!render)
        return;
    Unload();
    int width = 0, height = 0;
    _video = std::make_unique<VideoVMR9>(render->GetDE(), render->GetDevice(), render->GetCriticalSection(), movie,
                                         render->GetRenderWindow(), width, height, true, MenuGame::VideoClock(),
                                         MenuGame::Sound());
    // A video that cannot play reports 0 x 0; the screen then shows its material's last texture.
    if (!_texture && width > 0 && height > 0)
    {
        TextureDesc desc;
        desc.kind = TEXKIND_RENDERTARGET;
        desc.width = uint32_t(width);
        desc.height = uint32_t(height);
        _texture = render->GetTextureMgr()->CreateTexture(_textureName, desc);
    }
    if (_texture)
        _video->SetTexture(_texture->GetTexHandle());
    render->SetVMR9(_video.get());
    _material = render->GetMaterialMgr()->CreateMaterialFromFile(_materialFile);
    _black = render->GetMaterialMgr()->CreateMaterialFromFile("black.mat");
    render->SetRenderSleep(10);
}

void MenuBackground::Draw()
{
    MaterialSystem* render = MenuGame::Render();
    if (!render || !_video)
        return;
    const Color white(1.0f, 1.0f, 1.0f, 1.0f);
    if (_texture)
    {
        // A device reset makes the texture anew.
        _video->SetTexture(_texture->GetTexHandle());
        Vec2 uv0(0.0f, 1.0f), uv1(0.0f, 0.0f), uv2(1.0f, 1.0f), uv3(1.0f, 0.0f);
        render->RenderQuadAdvanced(_material, Vec2(0.0f, 0.0f), MenuGame::ScreenPixels(), uv0, uv1, uv2, uv3, 0.0f,
                                   white, 0);
    }
    else
    {
        // No video ever played here: its material would show the missing texture's pattern.
        render->RenderQuad(_black, Vec2(0.0f, 0.0f), MenuGame::ScreenPixels(), 0.0f, white, 0);
    }
    _video->Update();
}

void MenuBackground::Unload()
{
    MaterialSystem* render = MenuGame::Render();
    if (!_video)
        return;
    _video->PrepareToRelease();
    if (!render)
    {
        _video.reset();
        return;
    }
    render->ResetCriticalSection();
    // Unregistered, and deleted by the device once its player has stopped.
    render->DeleteVMR9(std::move(_video));
    render->SetRenderSleep(0);
}
