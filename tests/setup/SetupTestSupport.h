#pragma once

#include <filesystem>
#include <string>

#include "foundation/config/ConfigSystem.h"
#include "foundation/config/GameSettings.h"
#include "foundation/config/NetworkSettings.h"
#include "foundation/config/RenderSettings.h"
#include "foundation/config/SoundSettings.h"
#include "foundation/config/VideoSettings.h"

class QApplication;
class SdlInputSource;

// The one application object of the test program, on Qt's offscreen platform unless another
// is asked for.
QApplication& TestApplication();

// A working folder with the shipped configuration files ("config.cfg", "config.ini",
// "config_constants.lua" and the difficulty texts), made current for the object's life.
class SetupFolder
{
public:
    SetupFolder();
    ~SetupFolder();
    SetupFolder(const SetupFolder&) = delete;
    SetupFolder& operator=(const SetupFolder&) = delete;

    void Write(const std::string& name, const std::string& text) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path _previous;
    std::filesystem::path _path;
};

// True when a log line since the last ClearLog holds the text.
bool LogContains(const std::string& text);
void ClearLog();

// A key pressed and released, in the engine's scan codes.
void TapKey(SdlInputSource& source, int scanCode);

// "config.cfg" of the working folder as the game reads it at start.
struct GameConfig
{
    GameConfig();
    ConfigSystem system;
    VideoSettings video{&system};
    RenderSettings render{&system};
    GameSettings game{&system};
    SoundSettings sound{&system};
    NetworkSettings network{&system};
};
