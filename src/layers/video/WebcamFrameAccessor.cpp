#include "layers/video/WebcamFrameAccessor.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Timer.h"
#include "layers/video/WebcamCut.h"

WebcamFrameAccessor::WebcamFrameAccessor(MaterialSystem* render, Timer* timer)
    : _render(render), _timer(timer), _cut(size_t(WEBCAM_CUT) * WEBCAM_CUT * 4)
{}

void WebcamFrameAccessor::SetFPS(float fps) { _interval = 1.0f / (fps > 0.0f ? fps : 24.0f); }

void WebcamFrameAccessor::SetVideoParams(int width, int height)
{
    _width = width;
    _height = height;
}

bool WebcamFrameAccessor::CheckIsNeedCapturingOfTime()
{
    if (!_timer)
        return false;
    const float now = _timer->GetElapsedSeconds();
    if (_copied && now - _lastTime < _interval)
        return false;
    _lastTime = now;
    _copied = true;
    return true;
}

bool WebcamFrameAccessor::CreateTexture()
{
    if (!_texture && _render && _render->GetTextureMgr())
    {
        TextureDesc desc;
        desc.kind = TEXKIND_PROCEDURAL;
        desc.format = TEXFMT_A8R8G8B8;
        desc.width = desc.height = WEBCAM_CUT;
        desc.mipLevels = 1;
        _texture = _render->GetTextureMgr()->CreateTexture("$camera_texture", desc);
    }
    return _texture && _texture->GetTexHandle();
}

bool WebcamFrameAccessor::DoRenderSample(const uint8_t* frame, size_t bytes)
{
    if (!CheckIsNeedCapturingOfTime())
        return true;
    if (_width <= 0 || _height <= 0 || !frame || bytes < size_t(_width) * _height * 3 || !_texture)
        return false;
    CutWebcamFrame(frame, _width, _height, _cut.data(), WEBCAM_CUT * 4);
    return _texture->FillPixelData(0, _cut.data(), static_cast<unsigned>(_cut.size()));
}

void WebcamFrameAccessor::CloseAll()
{
    if (_texture && _render && _render->GetTextureMgr())
        _render->GetTextureMgr()->DestroyTexture(_texture);
    _texture = nullptr;
}
