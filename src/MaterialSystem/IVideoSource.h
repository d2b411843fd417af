#pragma once

class MaterialSystem;

// A video playing into a texture, as the render device sees it: once per presented frame it
// waits a little for a new picture and has the video copy it into its texture (see
// MaterialSystem::SetVMR9), and it deletes videos handed to DeleteVMR9 once they can be.
class IVideoSource
{
public:
    // The frame state: a new picture waits, nothing new, or the video is being released.
    enum eFrameState
    {
        FRAME_RELEASED = 0,
        FRAME_IDLE = 1,
        FRAME_READY = 2,
    };

    IVideoSource() = default;
    // A video deleted while registered with a render device unregisters itself.
    virtual ~IVideoSource();
    IVideoSource(const IVideoSource&) = delete;
    IVideoSource& operator=(const IVideoSource&) = delete;

    virtual int GetState() const = 0;
    virtual void SetState(int state) = 0;
    // Copies the waiting picture into the video's texture.
    virtual bool ObtainTexture() = 0;
    // True once deleting the video waits for nothing.
    virtual bool CanBeDeleted() const = 0;

    // Milliseconds the render device has waited for a picture since it last took one.
    int GetWaitCounter() const { return _waitCounter; }
    void SetWaitCounter(int milliseconds) { _waitCounter = milliseconds; }

private:
    friend class MaterialSystem;
    MaterialSystem* _registeredWith = nullptr;
    int _waitCounter = 0;
};
