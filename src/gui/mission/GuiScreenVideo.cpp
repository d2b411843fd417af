#include "gui/mission/GuiScreenVideo.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "layers/video/VideoVMR9.h"

GuiScreenVideo::GuiScreenVideo(const char* movie, const char* texture, const char* material)
    : _movie(movie), _textureName(texture), _materialName(material)
{}

GuiScreenVideo::~GuiScreenVideo() { Unload(); }

void GuiScreenVideo::Load(MaterialSystem* render)
{
    Unload();
    _render = render;
    if (!render)
        return;
    int width = 0, height = 0;
    _video = std::make_unique<VideoVMR9>(render->GetDE(), render->GetDevice(), render->GetCriticalSection(),
                                         _movie.c_str(), render->GetRenderWindow(), width, height, true);
    // A video that cannot play reports 0 x 0: the screen then shows its material's texture as it is.
    if (!_texture && width > 0 && height > 0)
    {
        TextureDesc desc;
        desc.kind = TEXKIND_RENDERTARGET;
        desc.width = uint32_t(width);
        desc.height = uint32_t(height);
        _texture = render->GetTextureMgr()->CreateTexture(_textureName.c_str(), desc);
    }
    if (_texture)
        _video->SetTexture(_texture->GetTexHandle());
    render->SetVMR9(_video.get());
    _material = render->GetMaterialMgr()->CreateMaterialFromFile(_materialName.c_str());
    render->SetRenderSleep(10);
}

void GuiScreenVideo::Draw()
{
    if (!_render || !_video)
        return;
    // A device reset makes the texture anew.
    if (_texture)
        _video->SetTexture(_texture->GetTexHandle());
    const VideoSettings* settings = _render->GetSettings();
    Vec2 uv0(0.0f, 1.0f), uv1(0.0f, 0.0f), uv2(1.0f, 1.0f), uv3(1.0f, 0.0f);
    _render->RenderQuadAdvanced(_material, Vec2(0.0f, 0.0f),
                                Vec2(float(settings->ScrWidth), float(settings->ScrHeight)), uv0, uv1, uv2, uv3, 0.0f,
                                Color(1.0f, 1.0f, 1.0f, 1.0f), 0);
    _video->Update();
}

void GuiScreenVideo::Unload()
{
    if (!_render || !_video)
        return;
    _video->PrepareToRelease();
    _render->ResetCriticalSection();
    // The renderer deletes it once its player has stopped.
    _render->DeleteVMR9(std::move(_video));
    _render->SetRenderSleep(0);
}
