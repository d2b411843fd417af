#pragma once
// The mission logic of one running level: its status, and the global targets that the HUD and
// the ships' weapons read. The mission frame makes one per level, starts it with the level's
// logic file, runs it once a frame and shuts it down. The triggers come with the trigger
// system; until then the logic file is only run.
#include <memory>
#include <vector>

#include "foundation/math/Color.h"
#include "foundation/math/Vec3.h"

class Actor;

enum eLevelStatus : int
{
    LEVEL_RUNNING = 0,
    LEVEL_PAUSED = 1,
    LEVEL_LOST = 2,
    LEVEL_WON = 3,
};

struct GlobalLevelTarget
{
    Vec3 position{1, 1, 1};
    Color color{1, 0, 0, 1};
    float values[2] = {0, 0};
    char kind[64] = "unknown_target";
    bool big = true;
    bool arrow = false;
    Actor* actor = nullptr;
};

class LevelLogic
{
public:
    LevelLogic() = default;
    virtual ~LevelLogic() = default;
    LevelLogic(const LevelLogic&) = delete;
    LevelLogic& operator=(const LevelLogic&) = delete;

    // Runs the logic file into the global table "LevelLogic"; a file that cannot be run is
    // logged and leaves the logic empty.
    virtual void Initialize(const char* file);
    virtual void Proceed() {}
    virtual void ShutDown() { RemoveAllGlobalTargets(); }
    virtual void OnActorDestroy(Actor*) {}

    eLevelStatus GetStatus() const { return _status; }
    void SetStatus(eLevelStatus status) { _status = status; }
    GlobalLevelTarget* AddGlobalTarget();
    unsigned GetGlobalTargetCount() const { return static_cast<unsigned>(_targets.size()); }
    // Null when out of range.
    GlobalLevelTarget* GetGlobalTarget(unsigned index) const;
    void RemoveAllGlobalTargets() { _targets.clear(); }

private:
    eLevelStatus _status = LEVEL_RUNNING;
    std::vector<std::unique_ptr<GlobalLevelTarget>> _targets;
};
