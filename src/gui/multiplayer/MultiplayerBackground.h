#pragma once

#include <memory>

class Material;
class Texture;
class VideoVMR9;

// The looping menu video behind a multiplayer screen: played into a render texture named after
// the screen, made on the first load and kept for the program's life, and drawn over the whole
// back buffer with the screen's material. The render device sleeps 10 ms a frame while it is
// loaded.
class MultiplayerBackground
{
public:
    // The texture's name ("$multiplayer_bg") and the material that samples it.
    MultiplayerBackground(const char* textureName, const char* materialFile);
    ~MultiplayerBackground();
    MultiplayerBackground(const MultiplayerBackground&) = delete;
    MultiplayerBackground& operator=(const MultiplayerBackground&) = delete;

    // Starts "movies/menu.avi", looping, and registers it with the render device.
    void Load();
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
};
