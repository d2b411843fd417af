#pragma once

#include <vector>

class GameEngine;
class GameFrame;
class InputSystem;
class Material;
class SpriteLayer;

// Keeps the registered frames, knows the current one and switches to another by name behind a
// half-second fade to the overlay and back: the old frame keeps running while the screen covers,
// is shut down and the new one initialised at full cover, and the new one runs while it uncovers.
// Routes the menu navigation, the mouse axes, keys and characters to the current frame; what
// arrives during a fade is dropped, and the console, while open, takes navigation, keys and
// characters. The frames belong to the engine object, not to the manager.
class GameFrameManager
{
public:
    enum eStatus
    {
        FADE_NONE = 0,
        FADE_OUT = 1, // covering, towards a switch
        FADE_IN = 2,  // uncovering after a switch
    };
    static constexpr float FadeTime = 0.5f;

    GameFrameManager(GameEngine* engine, InputSystem* input);
    ~GameFrameManager();
    GameFrameManager(const GameFrameManager&) = delete;
    GameFrameManager& operator=(const GameFrameManager&) = delete;

    // Creates the fade layer ("fade.mat" over the whole screen) in the overlay, hidden.
    void Initialize();
    // Shuts the current frame down, forgets every frame and removes the fade layer. Safe to call
    // twice.
    void ShutDown();

    // No check for duplicates: the first frame of a name is the one found.
    void AddFrame(GameFrame* frame);
    GameFrame* FindFrameByName(const char* name) const;

    // A name no frame has is logged and ignored: the current frame stays. A null name fades to
    // no frame.
    void SetActive(const char* name);
    // With no current frame the switch happens at once and the frame fades in; otherwise the
    // screen fades out first. During a fade the new target restarts the fade out.
    void SetActive(GameFrame* frame);
    void FadeIn();
    void FadeOut();

    // Shut down and initialise again, without a fade. An unknown name is ignored.
    void ReloadCurrentFrame();
    void ReloadFrame(GameFrame* frame);
    void ReloadFrameByName(const char* name);

    // The mouse axes, then the current frame's step by the game's seconds, then the fade by the
    // clock's (the fade goes on while the game is paused).
    void Proceed(float seconds, float realSeconds);
    void Proceed(float seconds) { Proceed(seconds, seconds); }

    void funcSelectUp();
    void funcSelectDown();
    void funcSelectLeft();
    void funcSelectRight();
    void funcSelectApply();
    void funcSelectDecline();
    void funcMousePitch(long value);
    void funcMouseYaw(long value);
    void funcMouseRoll(long value);
    // The key left of 1 opens and closes the console (ConsoleKey, the virtual key of "`") and
    // goes nowhere else, nor does the character it types next. Every other key goes to the
    // current frame unless the console is open; then, always, to the console.
    static constexpr unsigned char ConsoleKey = 0xC0;
    void ProceedKey(const char& key);
    void AddChar(const char& ch);

    GameFrame* GetCurrent() const { return _current; }
    GameFrame* GetNext() const { return _next; }
    GameFrame* GetPrev() const { return _previous; }
    int GetStatus() const { return _status; }
    float GetFadeTime() const { return _fadeTime; }
    SpriteLayer* GetFadeLayer() const { return _fadeLayer; }
    GameEngine* GetEngine() const { return _engine; }

private:
    void SwitchFrame(GameFrame* frame);
    void FadeProceed(float seconds);
    // Navigation reaches the current frame only outside a fade and while the console is closed.
    GameFrame* NavigationTarget() const;
    GameFrame* MouseTarget() const;

    std::vector<GameFrame*> _frames;
    GameFrame* _previous = nullptr;
    GameFrame* _current = nullptr;
    GameFrame* _next = nullptr;
    SpriteLayer* _fadeLayer = nullptr; // owned by the overlay layer
    int _status = FADE_NONE;
    float _fadeTime = 0.0f;
    Material* _fadeMaterial = nullptr;
    InputSystem* _input;
    GameEngine* _engine;
    bool _consoleKeyTyping = false; // the console key's own character is still to come
};
