#pragma once
// The base of everything that lives in a mission: ships, objects, weapons, bullets, debris and
// effects. It gives each an identity (name, class name, tag), a root transform, an optional
// lifetime, repeating timers, an optional state machine and the generic telegram handling, and
// the hooks through which the mission frame starts, runs and removes it.
//
// Actors are owned by the mission frame: only it frees them. An actor is not copyable: its
// state machine and its scene nodes have one owner.
#include <memory>
#include <vector>

#include "foundation/math/Matrix.h"
#include "game/core/messages/IMessageReceiver.h"
#include "game/core/messages/Message.h"
#include "game/world/actor/IObject.h"

class Bone;
class Model;
class StateMachine;
class Table;

class Actor : public IObject, public IMessageReceiver
{
public:
    static constexpr size_t NameSize = 32; // names of up to 31 characters
    // The lifetime of an actor that has none: the smallest normal float.
    static constexpr float NoLifetime = 1.1754944e-38f;

    Actor();
    ~Actor() override;
    Actor(const Actor&) = delete;
    Actor& operator=(const Actor&) = delete;

    // Copies of up to 31 characters; null counts as empty.
    void SetName(const char* name);
    const char* GetName() const { return _name; }
    void SetClassname(const char* classname);
    const char* GetClassname() const { return _classname; }
    void SetTagName(const char* tag);
    const char* GetTagName() const { return _tagName; }

    void SetDeleted(bool deleted) { _deleted = deleted; }
    bool GetDeleted() const { return _deleted; }
    bool IsDeleted() const { return _deleted; }
    bool IsEnable() const { return _enabled; }

    Matrix& GetRoot() { return _root; }
    const Matrix& GetRoot() const { return _root; }
    Vec3 GetPosition() const { return _root.Pos(); }
    void SetPosition(const Vec3& position) { _root.Translate(position); }

    void SetLifetime(float lifetime) { _lifetime = lifetime; }
    float GetLifetime() const { return _lifetime; }

    // A running identifier restarts with the new period.
    void StartTimer(unsigned int id, unsigned int milliseconds);
    // The last timer takes the stopped one's place.
    void StopTimer(unsigned int id);

    // Called by the mission frame.
    void Initialize() { UserInit(); }
    void Proceed();
    void ShutDown();

    // A telegram from this actor; the payload passes with it.
    void SendMessage(eMessage type, Actor* receiver, float delay, Message* payload);
    // Removed now, freed at the end of the mission.
    void DestroySelf();

    // From the main model (the root position without one) to the player ship's main model.
    float DistanceToCamera() const;
    float DistanceToCameraSquared() const;

    StateMachine* GetStateMachine() const { return _stateMachine.get(); }
    // What an ActorRef holds: it expires when the actor is freed.
    std::weak_ptr<Actor> GetExistenceToken();

    // The physics listener's hooks (slots 0 to 7) are IObject's.
    virtual void SetFromTable(Table table);
    virtual void UserInit() {}
    virtual void UserProceed() {}
    virtual void UserShutDown() {}
    virtual void UserPreDeleteEffect() {}
    virtual void UserPostDeleteEffect() {}
    virtual void SetPose(Matrix) {}
    virtual void Enable() { _enabled = true; }
    virtual void Disable() { _enabled = false; }
    virtual Bone* GetMainModel() { return _mainModel; }
    // The main model when it is a model, else null.
    virtual Model* GetMainModelEx();
    // Contacts, timers, removals, forces and 2D sounds; the other types do nothing here.
    void OnMessage(Telegram* telegram) override;
    virtual void OnLevelStart() {}
    virtual void OnLevelEnd() {}
    virtual void OnTimer(unsigned int) {}
    virtual void OnContact(Actor*) {}

protected:
    // Replaces an existing machine; the actor owns it.
    bool CreateStateMachine();
    bool DestroyStateMachine();
    void UpdateStateMachine();

    Bone* _mainModel = nullptr; // made by the derived class; the scene owns the node

private:
    struct TimerEvent
    {
        unsigned int id;
        float period;  // seconds
        float elapsed; // seconds
    };

    void UpdateTimers(float spf);

    char _name[NameSize] = "Actor";
    char _classname[NameSize] = "Actor";
    char _tagName[NameSize] = {};
    bool _deleted = false;
    bool _enabled = true;
    float _lifetime = NoLifetime;
    Matrix _root = Matrix::Ident();
    std::vector<TimerEvent> _timers;
    std::unique_ptr<StateMachine> _stateMachine;
    // Owns nothing: made for the first ActorRef, it ends with the actor and so expires the refs.
    std::shared_ptr<Actor> _existence;
};
