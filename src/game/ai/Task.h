#pragma once
// Task objects: a second, simpler behaviour layer for ships. A task names a ship or a track,
// resolves it when the level starts and switches the carrying ship's state machine into one of
// the ship states.
#include <cstddef>

class Ship;
class Track;

enum eTaskType : unsigned
{
    TASK_TYPE_BASE = 0,
    TASK_TYPE_SUPPORT = 1,
    TASK_TYPE_MOVE_BY_TRACK = 3,
    TASK_TYPE_ATTACK = 4,
};

class Task
{
public:
    static constexpr size_t NameSize = 64;

    Task() = default;
    virtual ~Task() = default;
    Task(const Task&) = default;
    Task& operator=(const Task&) = default;

    virtual void OnLevelStart() {}
    // Written into the buffer, cut to its size.
    virtual void GetDescription(char* buffer, size_t size) const;
    virtual bool IsValid() const { return false; }
    virtual void OnEnterTask() {}

    unsigned GetType() const { return _type; }
    void SetType(unsigned type) { _type = type; }
    Ship* GetParent() const { return _parent; }
    // Keeps the ship that carries the task out, then enters the task.
    void SetParent(Ship* ship);

protected:
    explicit Task(unsigned type) : _type(type) {}

private:
    unsigned _type = TASK_TYPE_BASE;
    Ship* _parent = nullptr;
};

// A task about another ship, found by name in the level when it starts.
class ShipTask : public Task
{
public:
    void SetShip(Ship* ship) { _ship = ship; }
    Ship* GetShip() const { return _ship; }
    // Longer names are cut to 63 characters.
    void SetShipName(const char* name);
    void OnLevelStart() override;
    // The ship is there, alive, enabled and not deleted.
    bool IsValid() const override;

protected:
    explicit ShipTask(unsigned type) : Task(type) {}

private:
    char _shipName[NameSize] = {};
    Ship* _ship = nullptr;
};

// The carrier goes into the support state.
class TaskSupport : public ShipTask
{
public:
    TaskSupport() : ShipTask(TASK_TYPE_SUPPORT) {}
    void GetDescription(char* buffer, size_t size) const override;
    void OnEnterTask() override;
};

class TaskMoveByTrack : public Task
{
public:
    TaskMoveByTrack() : Task(TASK_TYPE_MOVE_BY_TRACK) {}
    void SetTrackName(const char* name);
    Track* GetTrack() const { return _track; }
    void OnLevelStart() override;
    void GetDescription(char* buffer, size_t size) const override;
    bool IsValid() const override { return _track != nullptr; }

private:
    char _trackName[NameSize] = {};
    Track* _track = nullptr;
};

// The ship becomes the carrier's target when the level starts; the carrier goes into the
// attack state.
class TaskAttack : public ShipTask
{
public:
    TaskAttack() : ShipTask(TASK_TYPE_ATTACK) {}
    void OnLevelStart() override;
    void GetDescription(char* buffer, size_t size) const override;
    void OnEnterTask() override;
};
