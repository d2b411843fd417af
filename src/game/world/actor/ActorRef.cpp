#include "game/world/actor/ActorRef.h"

#include "game/world/actor/Actor.h"

ActorRef::ActorRef(Actor* actor)
{
    if (actor)
        _actor = actor->GetExistenceToken();
}
