#pragma once
// The actions that play a voice line and music.
#include <cstddef>

#include "game/ai/logic/Action.h"

// Plays one of up to sixteen voice lines, picked at random, from the language's folder
// ("localization\<language>\<name>") through the limiter's transmission channel. With the
// priority check it keeps quiet while an earlier transmission is still on the channel.
class ActionPlaySound2D : public Action
{
public:
    static constexpr int MaxFiles = 16;
    static constexpr size_t FileSize = 1024;

    ActionPlaySound2D();
    // Appends a line; one past the sixteenth is logged and left out.
    void Initialize(const char* file);
    void SetCheckPriority(bool check) { _checkPriority = check; }
    int GetFileCount() const { return _count; }
    // Null outside the list.
    const char* GetFile(int index) const { return index >= 0 && index < _count ? _files[index] : nullptr; }
    bool IsCheckPriority() const { return _checkPriority; }

private:
    void DoAction() override;

    char _files[MaxFiles][FileSize] = {};
    int _count = 0;
    bool _checkPriority = false;
};

// Starts the music of the game's difficulty ("music\<name>"): the hard or insane piece when the
// logic names one of at least four characters, else the normal one.
class ActionPlayMusic : public Action
{
public:
    static constexpr size_t FileSize = 1024;

    ActionPlayMusic();
    void Initialize(const char* normal, const char* hard, const char* insane);
    // The piece for a difficulty (1 normal, 2 hard, 3 insane).
    const char* GetFile(int difficulty) const;

private:
    void DoAction() override;

    char _normal[FileSize] = {};
    char _hard[FileSize] = {};
    char _insane[FileSize] = {};
};
