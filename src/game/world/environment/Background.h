#pragma once
// The mission's sky and the sun's lens flare. The level-description reader makes one per
// mission and sets its sky and sun direction; the player reads the flare for the sun glare.
#include "game/world/actor/Actor.h"

class Group;
class LensFlare;
class ParticleSet;

class Background : public Actor
{
public:
    static constexpr size_t SkySize = 64;

    Background();

    // A model of that name (model true) or the sphere "$back" drawn with that material.
    void SetSky(const char* name, bool model);
    // Places the flare, sun 0 of the scene and the sun particle along the direction.
    void SetSunDir(const Vec3& dir);
    LensFlare* GetFlare() const { return _flare; }
    // The name given last; empty before SetSky.
    const char* GetSky() const { return _sky; }

    void UserInit() override;
    void UserProceed() override {}
    void UserShutDown() override;

private:
    LensFlare* _flare = nullptr;             // layer 1, under the sun group
    ParticleSet* _sunParticleSet = nullptr;  // layer 0, the one sun particle
    Vec3 _sunParticlePosition{128, 128, 64}; // the default sun position
    Group* _sunGroup = nullptr;              // layer 1
    char _sky[SkySize] = {};
};
