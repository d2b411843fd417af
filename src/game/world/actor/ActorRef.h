#pragma once
// A reference to an actor kept across frames, as the mission logic keeps the actors its file
// names. The mission frame frees some actors at once (expired debris, effects, anything given a
// lifetime), so a plain pointer may outlive its actor; this one reads null from then on. An actor
// removed but kept until the mission ends still reads as itself.
#include <memory>

class Actor;

class ActorRef
{
public:
    ActorRef() = default;
    // Null gives an empty reference.
    explicit ActorRef(Actor* actor);
    ActorRef& operator=(Actor* actor) { return *this = ActorRef(actor); }

    // The actor, or null when there was none or it has been freed.
    Actor* Get() const { return _actor.lock().get(); }

private:
    std::weak_ptr<Actor> _actor;
};
