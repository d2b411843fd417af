#pragma once

#include "MaterialSystem/IDeviceResource.h"
#include "MaterialSystem/IVideoSource.h"
#include "foundation/base/Handles.h"
#include "platform/video/VideoClock.h"

#include <memory>
#include <mutex>

namespace gfx {
class Device;
class Graphics;
class Texture;
} // namespace gfx
namespace video {
class VideoPlayer;
}
class SoundEngine;
class VideoSound;

// Plays one video file into a texture of the screen's, on a clock the game gives (real time; a
// test steps its own): frames whose time has passed are skipped, so the video lasts as long at
// any frame rate. The frames are decoded and timed on a thread of the player's; while the video
// is registered with the render device (MaterialSystem::SetVMR9), each new frame is copied into
// the texture as the device presents. The file's sound track, if it has one, plays through the
// sound engine in step with the picture.
class VideoVMR9 : public IVideoSource, public IDeviceResource
{
public:
    // Opens the file and starts playing on the clock (null: real time), its sound track too when
    // a sound engine is given. `width` and `height` receive the size of the texture the screen
    // must make (A8R8G8B8, at least that large), by ComputeVideoTextureSize. A file that cannot
    // be played is logged and leaves them 0 x 0: the video is inert and silent, and one that does
    // not loop ends at its first Update. The lock and the window are not needed here.
    VideoVMR9(gfx::Graphics* d3d, gfx::Device* device, std::recursive_mutex* lock, const char* path,
              WindowHandle window, int& width, int& height, bool loop, video::Clock clock,
              SoundEngine* sound = nullptr);
    ~VideoVMR9() override;

    // False once, when a video that does not loop has shown its last frame; true otherwise.
    // Keeps the sound track up with the picture.
    bool Update();
    // No further frames come, and the sound track stops.
    void Stop();
    // The sound track; null for a video without one.
    const VideoSound* GetSound() const { return _sound.get(); }
    // Seconds of the clock since the video started playing.
    double GetPlayingSeconds() const;
    // For a caller that steps the clock: returns once the video has done all that the clock's
    // present time allows (see video::VideoPlayer::Settle).
    void Settle();
    // The texture the frames are copied into (the screens hand it again every frame, as a
    // device reset makes their textures anew).
    void SetTexture(gfx::Texture* texture) { _texture = texture; }
    // Copies the waiting frame into the texture, row by row; always true.
    bool ObtainTexture() override;
    int GetState() const override;
    void SetState(int state) override;
    // Stops the video before it is deleted.
    void PrepareToRelease() { Stop(); }
    // True once the player's thread has ended.
    bool CanBeDeleted() const override;
    // Ends playback and drops the player; the destructor calls it.
    void Release();

    // A reset destroys the screen's texture: nothing is copied until the screen hands the new one.
    void OnDeviceReset(gfx::Device*) override { _texture = nullptr; }
    void OnDeviceRestore(gfx::Device*) override {}
    unsigned GetWastedMemory() override { return 0; }

private:
    // The engine lets the sound track go at its next update.
    void CloseSound();

    std::unique_ptr<video::VideoPlayer> _player;
    std::shared_ptr<VideoSound> _sound;
    video::Clock _clock;
    double _started = 0.0;
    gfx::Texture* _texture = nullptr;
    bool _endPending = false;
    bool _textureRefused = false;
};
