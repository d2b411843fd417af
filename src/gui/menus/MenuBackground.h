#pragma once

#include <memory>

class Material;
class Texture;
class VideoVMR9;

// The looping video behind a menu screen: played into a render texture named after the screen,
// made on the first load and kept for the program's life, and drawn over the whole back buffer
// with the screen's background material (black while no video has played into it). The render
// device sleeps 10 ms a frame while it is loaded.
class MenuBackground
{
public:
    // The texture's name ("$mainmenu_bg") and the material that samples it.
    MenuBackground(const char* textureName, const char* materialFile);
    ~MenuBackground();
    MenuBackground(const MenuBackground&) = delete;
    MenuBackground& operator=(const MenuBackground&) = delete;

    // Starts the video, looping, and registers it with the render device.
    void Load(const char* movie);
    // Draws the last picture over the screen, then lets the video move on.
    void Draw();
    // Stops the video and hands it to the render device to delete; the texture stays.
    void Unload();

    bool IsLoaded() const { return _video != nullptr; }
    Texture* GetTexture() const { return _texture; }

private:
    const char* _textureName;
    const char* _materialFile;
    std::unique_ptr<VideoVMR9> _video;
    Texture* _texture = nullptr;
    Material* _material = nullptr;
    Material* _black = nullptr; // where no video has a picture
};
