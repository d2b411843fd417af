#pragma once

struct WindowEvent;
class GameFrameManager;
class IMissionControls;
class InputSystem;
class MaterialSystem;
class VideoSettings;

// Turns the window's key and text events into what the game expects: virtual-key codes for the
// frame manager's ProceedKey followed by the key table (navigation, F5 reload, F12 screenshot and
// the mission keys), characters for AddChar (the bytes of typed UTF-8 text, and 8, 9, 13, 27
// made from Backspace, Tab, Return and Escape), and the Alt combinations (Alt+Enter full screen,
// Alt+F4 quit). While the console is open it has every key: only F12 and the Alt combinations
// still act, and the input system keeps the keys from the player's bindings (the console key
// itself never reaches them). Any target may be null: nothing goes to it then.
class KeyRouter
{
public:
    KeyRouter(GameFrameManager* frames, MaterialSystem* render, VideoSettings* video, InputSystem* input,
              IMissionControls* mission);

    // False when the key ends the game.
    bool OnKeyDown(const WindowEvent& event);
    void OnText(const WindowEvent& event);

private:
    bool OnAltKey(int virtualKey);
    void OnKey(int virtualKey);
    void OnMissionKey(int virtualKey);
    void OnChar(char ch);
    bool IsMissionLoaded() const;
    static bool IsConsoleKey(int virtualKey);

    GameFrameManager* _frames;
    MaterialSystem* _render;
    VideoSettings* _video;
    InputSystem* _input;
    IMissionControls* _mission;
    bool _cameraDust = true;
};
