#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class MaterialSystem;
class Texture;
class Timer;

// Takes the webcam's frames into the texture "$camera_texture": at most `fps` frames a
// second, as a 120 x 120 cut with the colour treatment of CutWebcamFrame. Runs on the render
// thread, which owns the texture.
class WebcamFrameAccessor
{
public:
    // The texture is made through the render device's texture manager; the game's timer paces
    // the copies (none are made without one).
    WebcamFrameAccessor(MaterialSystem* render, Timer* timer);
    ~WebcamFrameAccessor() { CloseAll(); }
    WebcamFrameAccessor(const WebcamFrameAccessor&) = delete;
    WebcamFrameAccessor& operator=(const WebcamFrameAccessor&) = delete;

    // The copy interval becomes 1 / fps (1 / 24 for fps at most 0).
    void SetFPS(float fps);
    // The size of the frames to come.
    void SetVideoParams(int width, int height);
    // True when the interval has passed since the last copied frame (or none was copied yet),
    // and then counts this one as copied.
    bool CheckIsNeedCapturingOfTime();
    // Makes "$camera_texture" (120 x 120, A8R8G8B8); false when it cannot be made.
    bool CreateTexture();
    // Copies one BGR24 frame of the size set into the texture unless it is too early; false
    // without a size, a frame as large as it says, or a texture.
    bool DoRenderSample(const uint8_t* frame, size_t bytes);
    // Destroys the texture.
    void CloseAll();

private:
    MaterialSystem* _render;
    Timer* _timer;
    int _width = -1;
    int _height = -1;
    float _lastTime = 0.0f;
    bool _copied = false;
    float _interval = 1.0f / 24.0f;
    Texture* _texture = nullptr;
    std::vector<uint8_t> _cut;
};
