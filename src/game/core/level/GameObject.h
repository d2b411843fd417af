#pragma once
// The older level framework's object and its list: a physics listener with a body, a model and
// a ship controller, which derived classes set up, run and tear down. Nothing in the game makes
// one; the mission frame's actors do this work.
#include <vector>

#include "scene/nodes/IDebugRenderable.h"
#include "services/physics/PhysicsActorEventListener.h"

class DynamicShipController;
class LevelObjectInfo;
class Model;

class GameObject : public PhysicsActorEventListener, public IDebugRenderable
{
public:
    GameObject() = default;
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    void Initialize() { UserInit(); }
    // The frame time is not handed on.
    void Proceed(float) { UserProceed(); }
    void ShutDown() { UserShutDown(); }
    virtual void ApplyLevelInfo(LevelObjectInfo*) {}
    void OnRender(eSceneLayerType, Camera*, MaterialSystem*) override {}

    PhysicsActor* GetPhysEntity() const { return _physEntity; }
    Model* GetMainModel() const { return _mainModel; }
    DynamicShipController* GetController() const { return _controller; }

protected:
    virtual void UserInit() = 0;
    virtual void UserProceed() = 0;
    virtual void UserShutDown() = 0;

    PhysicsActor* _physEntity = nullptr;
    Model* _mainModel = nullptr;
    DynamicShipController* _controller = nullptr;
};

// The objects of a level, in registration order; not owned.
class GameObjectManager
{
public:
    // Initialises the object, then appends it.
    void RegisterObject(GameObject* object);
    void Proceed(float seconds);
    // Null when out of range.
    GameObject* GetObjectByIndex(int index) const;
    int GetObjectCount() const { return static_cast<int>(_objects.size()); }
    void Clear() {}

private:
    std::vector<GameObject*> _objects;
};
