#pragma once

#include "game/core/frames/GameFrame.h"

#include <memory>

class Material;
class MaterialSystem;
class Texture;
class VideoVMR9;
struct Vec2;

// The studio intro: "movies/logo.avi" played once, letterboxed to 16:9 over black, then the main
// menu. Apply or Decline skip it.
class GuiVideoIntro : public GameFrame
{
public:
    GuiVideoIntro(GameFrameManager* manager, const char* name);
    ~GuiVideoIntro() override;

    void EventSelectApply() override;
    void EventSelectDecline() override;

    // Where the picture goes on a screen of that size: the full width, a 16:9 height, centred
    // vertically (bands above and below on a narrower screen, overflow on a wider one).
    static void LetterboxRect(float screenWidth, float screenHeight, Vec2& pos, Vec2& size);

protected:
    void UserInitialize() override { Load(); }
    void UserProceed(float seconds) override;
    void UserShutDown() override { Unload(); }

private:
    void Load();
    void Unload();
    MaterialSystem* Render() const;

    Material* _black = nullptr;
    Material* _videoMaterial = nullptr;
    Texture* _videoTexture = nullptr; // "$logo_intro", made on the first load and kept
    std::unique_ptr<VideoVMR9> _video;
};
