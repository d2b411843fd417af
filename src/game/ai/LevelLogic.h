#pragma once
// The mission logic of one running level: its status (running, paused, lost, won), its triggers
// and the global targets that the HUD's crosshair and the ships' weapons read. The mission frame
// makes one per level, starts it with the level's logic file once every actor of the level
// exists, runs it once a frame after the actors and the player, and shuts it down at the end.
// Winning or losing asks for the score screen "mission_score", once; after the pilot's death it
// asks a few seconds later, so that the ship is seen blowing up.
#include <memory>
#include <vector>

#include "foundation/math/Color.h"
#include "foundation/math/Vec3.h"
#include "game/ai/logic/TriggerSystem.h"
#include "game/world/actor/ActorRef.h"

class Actor;

enum eLevelStatus : int
{
    LEVEL_RUNNING = 0,
    LEVEL_PAUSED = 1,
    LEVEL_LOST = 2,
    LEVEL_WON = 3,
};

// A mark on the HUD for this frame: where, in which colour, and for which actor (read in the
// next frame, after actors may have been freed).
struct GlobalLevelTarget
{
    static constexpr size_t KindSize = 64;

    Vec3 position{1, 1, 1};
    Color color{1, 0, 0, 1};
    // A gauge beside the mark (maximum, value); the logic leaves both 0.
    float values[2] = {0, 0};
    char kind[KindSize] = "unknown_target";
    bool big = true;
    bool arrow = false;
    ActorRef actor;
};

class LevelLogic
{
public:
    // Seconds of level time between the pilot's death, which loses the mission at once, and the
    // score screen.
    static constexpr float DeathScoreScreenDelay = 3.0f;

    LevelLogic() = default;
    virtual ~LevelLogic() = default;
    // The targets and the triggers have one owner.
    LevelLogic(const LevelLogic&) = delete;
    LevelLogic& operator=(const LevelLogic&) = delete;

    // Reads the logic file into the triggers; false, logged, when the file cannot be run.
    virtual bool Initialize(const char* file);
    // One frame: the mission is lost when the player's ship is dead (before any trigger can win
    // it), last frame's targets go, then the triggers run. The score screen that a death waits
    // for is asked for once its time has come.
    virtual void Proceed();
    virtual void ShutDown();
    virtual void OnActorDestroy(Actor*) {}

    // From running only: won or lost, and the score screen asked for.
    void GameWin();
    void GameLose();
    // Running to paused and back; other states stay.
    void GamePause();
    void GameResume();
    eLevelStatus GetStatus() const { return _status; }
    void SetStatus(eLevelStatus status) { _status = status; }

    // A title and a text for the HUD's big message box.
    void PrintGlobalMessage(const char* title, const char* text);

    // A target with the defaults, appended for the caller to fill.
    GlobalLevelTarget* AddGlobalTarget();
    unsigned GetGlobalTargetCount() const { return static_cast<unsigned>(_targets.size()); }
    // Null when out of range.
    GlobalLevelTarget* GetGlobalTarget(unsigned index) const;
    void RemoveAllGlobalTargets() { _targets.clear(); }

    TriggerSystem& GetTriggerSystem() { return _triggers; }

private:
    // Status from running to `status`; false when the mission had already ended.
    bool End(eLevelStatus status);
    void AskForScoreScreen();

    eLevelStatus _status = LEVEL_RUNNING;
    float _scoreScreenAt = -1; // level time at which the score screen is asked for; -1: none waits
    std::vector<std::unique_ptr<GlobalLevelTarget>> _targets;
    TriggerSystem _triggers;
};
