#pragma once

class SoundEngine;

// A sound the engine keeps alive until it ends: 2D, 3D or music. The engine frees a
// sound at the first Update after it ended; callers must not use it afterwards.
class ISound
{
public:
    explicit ISound(SoundEngine* engine) : _engine(engine) {}
    virtual ~ISound() = default;
    ISound(const ISound&) = delete;
    ISound& operator=(const ISound&) = delete;

    // Gives the voice back and marks the sound ended.
    virtual void Close() = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void SetVolume(float volume) = 0;
    virtual void SetEnded(bool ended) { _ended = ended; }
    virtual bool IsEnded() const { return _ended; }
    virtual bool IsPlaying() const { return _playing; }
    virtual void FlushBuffers() {}
    // Once per frame from the engine: notices the end of the voice's stream.
    virtual void Update() = 0;

protected:
    SoundEngine* _engine;
    bool _playing = false;
    bool _ended = false;
};
