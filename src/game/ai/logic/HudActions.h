#pragma once
// The actions that show the mission on the player's HUD: a message on the message strip, and a
// group of actors to destroy, as a row of the statistics panel and as global targets.
#include <cstddef>

#include "game/ai/logic/Action.h"

// Types the message on the HUD's message strip, which holds up to 511 bytes of it.
class ActionTextMessage : public Action
{
public:
    static constexpr size_t MessageSize = 1024;

    ActionTextMessage();
    void Initialize(const char* message, float timeout, bool blue, int parts);
    const char* GetMessage() const { return _message; }

private:
    void DoAction() override;

    char _message[MessageSize] = {};
    float _timeout = 0;
    bool _blue = true;
    int _parts = 0;
};

// Counts the level's actors of a class name and, with an index of 0 or more, writes them as the
// statistics row of that id; then marks them as global targets for this frame: only the one
// nearest the camera when "nearest" is set (green for a "YtgPortal03"), else every one. The
// level logic drops the targets at the start of each frame, so a trigger fires this every frame.
class ActionShowDestroyTask : public Action
{
public:
    static constexpr size_t TextSize = 1024;

    ActionShowDestroyTask();
    // The last three are on when greater than 0.
    void Initialize(int index, const char* name, const char* shortname, const char* icon, int size,
                    const char* classname, float nearest, float big, float arrow);
    int GetIndex() const { return _index; }
    const char* GetClassname() const { return _classname; }
    bool IsNearest() const { return _nearest; }
    bool IsBig() const { return _big; }
    bool IsArrow() const { return _arrow; }

private:
    void DoAction() override;

    int _index = 0;
    char _shortname[TextSize] = {};
    char _taskName[TextSize] = {};
    char _icon[TextSize] = {};
    int _size = 0;
    char _classname[TextSize] = {};
    bool _nearest = true;
    bool _big = true;
    bool _arrow = false;
};
