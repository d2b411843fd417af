#include "game/world/environment/Background.h"

#include "game/world/actor/ActorFlags.h"

Background::Background()
{
    SetName("Background");
    SetClassname("Background");
    RaiseFlag(ACTOR_FLAG_EFFECT);
}

void Background::SetSky(const char*, bool) {}

void Background::SetSunDir(const Vec3&) {}

void Background::UserInit() {}

void Background::UserShutDown() {}
