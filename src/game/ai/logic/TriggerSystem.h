#pragma once
// The triggers of one running level, in the order the logic file gives them (see Load), and
// their evaluation once a frame. The level's logic owns one.
#include <memory>
#include <vector>

#include "game/ai/logic/Trigger.h"

class Table;

class TriggerSystem
{
public:
    TriggerSystem() = default;
    TriggerSystem(const TriggerSystem&) = delete;
    TriggerSystem& operator=(const TriggerSystem&) = delete;

    // Runs the logic file into a new global table "LevelLogic" and makes a trigger of each
    // member table whose key begins with "Trigger", with the conditions and actions of its
    // "Condition..." and "Action..." member tables. Keys are taken in natural order
    // ("Trigger2" before "Trigger10"), so the order does not depend on the interpreter's hashing.
    // A file that cannot be run leaves no triggers and gives false; an unknown type or a missing
    // key is logged and the rest is read. Without a script machine nothing is read.
    bool Load(const char* file);

    // One pass: every trigger in order, so that a trigger sees what the triggers before it did
    // in the same pass; then the four statistics rows of the Ytg ship classes on the player's HUD.
    void UpdateLogic();

    // A trigger with that name and the defaults, appended.
    Trigger* AddTrigger(const char* name);
    // Null outside the list.
    Trigger* GetTrigger(int index) const;
    // The first trigger of exactly that name, or null.
    Trigger* GetTrigger(const char* name) const;
    int GetTriggerCount() const { return static_cast<int>(_triggers.size()); }
    void Clear() { _triggers.clear(); }

    // The list changes only through Load and Clear: removing keeps the trigger, and nothing is
    // written, since the logic file is the triggers' only source.
    void RemoveTrigger(Trigger* trigger);
    void Save(const char* file) const;

private:
    void LoadTrigger(const Table& table, const char* key, const char* file);

    std::vector<std::unique_ptr<Trigger>> _triggers;
};
