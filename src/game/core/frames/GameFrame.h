#pragma once

#include <cstddef>

class GameEngine;
class GameFrameManager;

// A full screen of the game (intro, menus, hangar, mission screens, the mission itself), known to
// the frame manager by its unique name. The manager initialises it when it becomes current, runs
// it once a frame and shuts it down when it is left; the navigation, mouse, key and character
// events reach it only while it is current. Frames are built once and live for the whole run.
class GameFrame
{
public:
    static constexpr size_t NameSize = 64; // names of up to 63 characters

    // A longer name is cut, with a warning.
    GameFrame(GameFrameManager* manager, const char* name);
    virtual ~GameFrame() = default;
    // A frame owns what it builds on activation; a copy would free it twice.
    GameFrame(const GameFrame&) = delete;
    GameFrame& operator=(const GameFrame&) = delete;

    void Initialize() { UserInitialize(); }
    void Proceed(float seconds) { UserProceed(seconds); }
    void ShutDown() { UserShutDown(); }

    const char* GetName() const { return _name; }
    GameFrameManager* GetManager() const { return _manager; }
    // The engine whose services the frame uses; null for a frame without a manager or engine.
    GameEngine* GetEngine() const;

    virtual void EventSelectUp() {}
    virtual void EventSelectDown() {}
    virtual void EventSelectLeft() {}
    virtual void EventSelectRight() {}
    virtual void EventSelectApply() {}
    virtual void EventSelectDecline() {}
    virtual void EventMousePitch(float) {}
    virtual void EventMouseYaw(float) {}
    virtual void EventMouseRoll(float) {}
    // A key's virtual-key code.
    virtual void ProceedKey(const char&) {}
    // A typed character (a byte of its UTF-8 text, or 8, 9, 13, 27).
    virtual void AddChar(const char&) {}

protected:
    virtual void UserInitialize() = 0;
    virtual void UserProceed(float seconds) = 0;
    virtual void UserShutDown() = 0;

private:
    char _name[NameSize] = {};
    GameFrameManager* _manager;
};
