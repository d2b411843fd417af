#pragma once
// The screen shown while a mission's level file loads: a black full-screen layer with the
// preloader movie on top, which shows a title, a loading tip and a progress bar.
#include <string>

class FlashLayer;
class Material;
class SpriteLayer;

class LevelProgress
{
public:
    LevelProgress() = default;
    virtual ~LevelProgress();
    LevelProgress(const LevelProgress&) = delete;
    LevelProgress& operator=(const LevelProgress&) = delete;

    // Builds the two layers and gives the movie its title and a tip drawn at random.
    virtual void Initialize();
    // Hands the movie the progress.
    virtual void Draw();
    // Takes the layers off the screen.
    virtual void ShutDown();
    // Per cent, kept as a fraction 0..1.
    virtual void SetProgress(float percent);

    float GetProgress() const { return _progress; }
    // The tip shown; "" when there is none.
    const std::string& GetTip() const { return _tip; }
    bool IsInitialised() const { return _initialised; }

private:
    float _progress = 0;
    Material* _background = nullptr;
    FlashLayer* _preloader = nullptr;
    SpriteLayer* _backdrop = nullptr;
    bool _initialised = false;
    std::string _tip;
};
