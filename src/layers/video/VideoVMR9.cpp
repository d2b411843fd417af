#include "layers/video/VideoVMR9.h"

#include "foundation/base/Dumper.h"
#include "foundation/base/Path.h"
#include "layers/video/VideoTextureSize.h"
#include "platform/gfx/Graphics.h"
#include "platform/gfx/Texture.h"
#include "platform/video/VideoDecoder.h"
#include "platform/video/VideoPlayer.h"
#include "services/sound/SoundEngine.h"

#include <algorithm>
#include <string>

static_assert(int(IVideoSource::FRAME_RELEASED) == int(video::FRAME_RELEASED) &&
                  int(IVideoSource::FRAME_IDLE) == int(video::FRAME_IDLE) &&
                  int(IVideoSource::FRAME_READY) == int(video::FRAME_READY),
              "the render device and the player count frame states alike");

VideoVMR9::VideoVMR9(gfx::Graphics* d3d, gfx::Device*, std::recursive_mutex*, const char* path, WindowHandle,
                     int& width, int& height, bool loop, video::Clock clock, SoundEngine* sound)
    : _clock(clock ? std::move(clock) : video::SteadyClock()), _started(_clock())
{
    width = height = 0;
    std::string error;
    const std::string file = path ? ResolvePath(path) : std::string();
    std::unique_ptr<video::VideoDecoder> decoder = video::VideoDecoder::Open(file, error);
    if (!decoder)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Can`t initialize vmr9: \"%s\": %s\n", path ? path : "", error.c_str());
        _endPending = !loop;
        return;
    }
    gfx::AdapterCaps caps;
    const bool powerOfTwo = d3d && d3d->GetAdapterCaps(0, caps) && !caps.nonPow2Textures;
    width = decoder->GetWidth();
    height = decoder->GetHeight();
    ComputeVideoTextureSize(width, height, powerOfTwo);
    _player = std::make_unique<video::VideoPlayer>(std::move(decoder), width, height, loop, _clock);
    if (sound)
        _sound = sound->CreateVideoSound(file.c_str(), loop);
}

double VideoVMR9::GetPlayingSeconds() const { return _clock() - _started; }

void VideoVMR9::Settle()
{
    if (_player)
        _player->Settle();
}

VideoVMR9::~VideoVMR9() { Release(); }

bool VideoVMR9::Update()
{
    if (_endPending)
    {
        _endPending = false;
        return false;
    }
    if (_sound && _player && _player->IsPlaying())
        _sound->Follow(GetPlayingSeconds());
    return !(_player && _player->TakeEnd());
}

void VideoVMR9::Stop()
{
    if (_player)
        _player->Stop();
    CloseSound();
}

void VideoVMR9::CloseSound()
{
    if (!_sound)
        return;
    _sound->Close();
    _sound.reset();
}

bool VideoVMR9::ObtainTexture()
{
    if (!_player || !_texture)
        return true;
    const gfx::Format format = _texture->GetFormat();
    if (format != gfx::Format::A8R8G8B8 && format != gfx::Format::X8R8G8B8)
    {
        if (!_textureRefused)
            Dumper::Instance().Print(DUMP_ERROR, "Video frames need a 32-bit texture, not %s\n",
                                     gfx::FormatName(format));
        _textureRefused = true;
        return true;
    }
    // A texture smaller than the frame takes its top-left part.
    const int width = std::min(_player->GetWidth(), int(_texture->GetWidth()));
    const int height = std::min(_player->GetHeight(), int(_texture->GetHeight()));
    _player->ReadFrame([&](const uint8_t* pixels, unsigned pitch) {
        _texture->UploadRect(0, gfx::Rect{0, 0, width, height}, pixels, pitch);
    });
    return true;
}

int VideoVMR9::GetState() const { return _player ? _player->GetState() : FRAME_RELEASED; }

void VideoVMR9::SetState(int state)
{
    if (_player)
        _player->SetState(state);
}

bool VideoVMR9::CanBeDeleted() const { return !_player || !_player->IsPlaying(); }

void VideoVMR9::Release()
{
    CloseSound();
    if (!_player)
        return;
    // Frees the player's thread if it waits for its frame to be taken.
    _player->SetState(FRAME_RELEASED);
    _player.reset();
}
