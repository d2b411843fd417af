#pragma once

#include <memory>
#include <string>

class Material;
class MaterialSystem;
class Texture;
class VideoVMR9;

// The looping video behind a menu or mission screen: the video plays into a render texture of
// the screen's (made on the first load and kept for the run), which the screen's material
// samples over the whole back buffer. While loaded, the renderer sleeps 10 ms a frame.
class GuiScreenVideo
{
public:
    // The video file, the render texture's name ("$team_bg") and the material drawing it.
    GuiScreenVideo(const char* movie, const char* texture, const char* material);
    ~GuiScreenVideo();
    GuiScreenVideo(const GuiScreenVideo&) = delete;
    GuiScreenVideo& operator=(const GuiScreenVideo&) = delete;

    void Load(MaterialSystem* render);
    // The video's picture over the whole screen, then the video steps on.
    void Draw();
    // Stops the video and hands it to the renderer to delete; the sleep goes back to 0.
    void Unload();

    bool IsLoaded() const { return _video != nullptr; }
    Texture* GetTexture() const { return _texture; }

private:
    std::string _movie, _textureName, _materialName;
    MaterialSystem* _render = nullptr;
    std::unique_ptr<VideoVMR9> _video;
    Texture* _texture = nullptr; // made once, kept
    Material* _material = nullptr;
};
