#pragma once

#include <memory>
#include <string>
#include <vector>

class MaterialSystem;
class Timer;
class WebcamFrameAccessor;
namespace video {
class CaptureDevice;
}

// Shows the first video capture device in the texture "$camera_texture" (see
// WebcamFrameAccessor). Frames are taken without waiting, on the render thread, in Proceed.
// Without a device Init leaves it unable to capture, and every other call does nothing.
class WebcamView
{
public:
    // The render device makes the texture; the game's timer paces the copies.
    WebcamView(MaterialSystem* render, Timer* timer);
    ~WebcamView() { CloseAll(); }
    WebcamView(const WebcamView&) = delete;
    WebcamView& operator=(const WebcamView&) = delete;

    void Init();
    bool FindCaptureDevice();
    bool PrepareTextureRenderer();
    bool PrepareCaptureVideo();
    // Chooses the device's format nearest 120 high (the arguments are not used).
    bool SetVideoParams(int width, int height, double fps);
    bool CreateTexture();
    void StartCaptureVideo();
    void StopCaptureVideo();
    void SwitchCaptureVideo();
    void CloseAll();
    void ShutDown() { CloseAll(); }
    // Copies the newest captured frame into the texture when its time has come.
    void Proceed(float dt);
    bool IsAbleToCapture() const { return _ableToCapture; }
    bool IsCapturing() const { return _capturing; }

private:
    MaterialSystem* _render;
    Timer* _timer;
    std::unique_ptr<video::CaptureDevice> _device;
    bool _ready = false;
    bool _ableToCapture = false;
    bool _capturing = false;
    std::unique_ptr<WebcamFrameAccessor> _renderer;
    std::vector<uint8_t> _frame;
};
