// Explosions: what they stage by type and distance, their sound, light and shock wave, and the
// blast on the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "StartedMission.h"
#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Limiter.h"
#include "game/world/effects/Explosion.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudGlassDecals.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "services/sound/SoundEngine.h"

namespace {
using ExplosionTest = StartedMissionTest;

Matrix At(const Vec3& position)
{
    Matrix pose = Matrix::Ident();
    pose.Translate(position);
    return pose;
}
} // namespace

TEST(ExplosionSound, KindAndNumberByDistance)
{
    struct Case
    {
        eExplosionType type;
        float distance;
        const char* format; // null: silent
        int lowest, highest;
    };
    const Case cases[] = {
        {EXPLOSION_SHIP, 600, "exp_%.2d.wav", 1, 2},
        {EXPLOSION_ASTEROID, 100, "exp_ast_%.2d.wav", 0, 1},
        {EXPLOSION_ICE, 800, "exp_ice_%.2d.wav", 1, 2},
        // From 1024 to 2048 units every kind sounds like a ship.
        {EXPLOSION_LAVA, 1500, "exp_%.2d.wav", 2, 3},
        {EXPLOSION_ASTEROID, 2500, "exp_ast_%.2d.wav", 3, 4},
        {EXPLOSION_BLAST, 2999, "exp_%.2d.wav", 3, 4},
        {EXPLOSION_SHIP, 3000, nullptr, 0, 0},
        {EXPLOSION_ASTEROID, 5000, nullptr, 0, 0},
    };
    for (const Case& c : cases)
    {
        bool seen[5] = {};
        for (int draw = 0; draw < 40; ++draw)
        {
            char name[Explosion::SoundNameSize];
            const bool heard = Explosion::SoundName(c.type, c.distance, name);
            ASSERT_EQ(c.format != nullptr, heard) << c.distance;
            if (!heard)
            {
                EXPECT_STREQ("", name);
                break;
            }
            int number = -1;
            ASSERT_EQ(1, std::sscanf(name + std::string(c.format).find('%'), "%d", &number)) << name;
            char expected[Explosion::SoundNameSize];
            std::snprintf(expected, sizeof expected, c.format, number);
            EXPECT_STREQ(expected, name);
            ASSERT_GE(number, c.lowest) << name;
            ASSERT_LE(number, c.highest) << name;
            seen[number] = true;
        }
        if (c.format)
        {
            EXPECT_TRUE(seen[c.lowest] && seen[c.highest]) << c.format << " at " << c.distance;
        }
    }
}

TEST_F(ExplosionTest, OneSoundAtATimeAndNoneFarAway)
{
    SoundEngine* sound = game.GetSoundEngine();
    ASSERT_FALSE(sound->IsDisabled());
    const size_t before = sound->GetSound3DCount();
    Level().CreateExplosion(At(Vec3(600, 0, 0)), 100, 0, EXPLOSION_SHIP, false);
    Level().CreateExplosion(At(Vec3(0, 600, 0)), 100, 0, EXPLOSION_SHIP, false);
    EXPECT_EQ(before + 1, sound->GetSound3DCount()) << "the second waits for the limiter";
    *game.GetLimiter() = Limiter();
    Level().CreateExplosion(At(Vec3(3000, 0, 0)), 100, 0, EXPLOSION_SHIP, false);
    EXPECT_EQ(before + 1, sound->GetSound3DCount()) << "too far to hear";
}

TEST_F(ExplosionTest, StagingByTypeAndDistance)
{
    struct Case
    {
        eExplosionType type;
        float distance;
        unsigned sprites, effects, debris;
    };
    const Case cases[] = {
        {EXPLOSION_BLAST, 1000, 17, 3, 32},
        {EXPLOSION_BLAST, 5000, 17, 3, 0},
        {EXPLOSION_ENERGY, 400, 7, 1, 0},
        {EXPLOSION_ENERGY, 800, 1, 1, 0},
        {EXPLOSION_ENERGY, 2000, 1, 0, 0},
        {EXPLOSION_SHIP, 100, 1, 0, 0},
        {EXPLOSION_ASTEROID, 500, 0, 2, 0},
        {EXPLOSION_ASTEROID, 2000, 0, 1, 0},
        {static_cast<eExplosionType>(7), 2000, 0, 1, 0},
        {EXPLOSION_ICE, 100, 0, 1, 0},
        {EXPLOSION_LAVA, 100, 0, 1, 0},
    };
    // The player's ship and its weapons are there all along.
    const unsigned present = Level().GetActorsCount();
    for (const Case& c : cases)
    {
        // Flying debris outlives the explosions.
        const unsigned debrisBefore = Count("Debris");
        Explosion* explosion = Level().CreateExplosion(At(Vec3(0, 0, c.distance)), 100, 0, c.type, false);
        // Sprites keep the actors' class name.
        EXPECT_EQ(c.sprites, Count("Actor")) << c.type << " at " << c.distance;
        EXPECT_EQ(c.effects, Count("ParticleEffect")) << c.type << " at " << c.distance;
        EXPECT_EQ(c.debris, Count("Debris") - debrisBefore) << c.type << " at " << c.distance;
        const bool lit = c.type == EXPLOSION_BLAST || c.type == EXPLOSION_ENERGY;
        EXPECT_EQ(lit, explosion->GetLight() != nullptr) << c.type;
        // Everything it made is gone long after.
        Run(20, 0.5f);
        EXPECT_EQ(present, Level().GetActorsCount() - Count("Debris"));
    }
}

TEST_F(ExplosionTest, LightAndWaveFollowTheLifeAndDynamicLightingOffMeansNoLight)
{
    // Far enough for one flash only, which outlives the frames below: an actor that goes moves
    // the last one into its place, which then misses a frame.
    Explosion* explosion = Level().CreateExplosion(At(Vec3(0, 0, 2000)), 192, 0, EXPLOSION_ENERGY, true);
    ASSERT_NE(nullptr, explosion->GetLight());
    EXPECT_EQ(Color(0, 0.5f, 0.9f, 1), explosion->GetLight()->GetDiffuse());
    EXPECT_EQ(192.0f, explosion->GetLight()->GetRange());
    ASSERT_NE(nullptr, explosion->GetWaveMesh());
    // The ninth frame of an eighth of a second runs at half of the two-second life.
    Run(1.125f, 0.125f);
    EXPECT_FLOAT_EQ(96.0f, explosion->GetLight()->GetRange());
    EXPECT_EQ(Vec3(96, 96, 96), explosion->GetWaveNode()->GetLocalScale());
    const RenderSubMesh* subMesh = explosion->GetWaveMesh()->GetSubMesh(0, 0);
    ASSERT_TRUE(subMesh && subMesh->renderable);
    EXPECT_FLOAT_EQ(0.3f, subMesh->renderable->GetParams().GetAnimation());
    Run(2, 0.25f);
    EXPECT_EQ(0u, Count("Explosion"));

    game.GetGameSettings()->DynLighting = false;
    explosion = Level().CreateExplosion(At(Vec3(0, 0, 800)), 192, 0, EXPLOSION_BLAST, false);
    EXPECT_EQ(nullptr, explosion->GetLight());
    EXPECT_EQ(nullptr, explosion->GetWaveNode());
}

TEST_F(ExplosionTest, BlastWithinItsRadiusHurtsAndShakesThePlayerAndThrowsDebrisAtTheGlass)
{
    Player* player = Level().GetPlayer();
    PlayerShip* ship = player ? player->GetShip() : nullptr;
    if (!ship)
        GTEST_SKIP() << "the mission has no player's ship";
    // With the shield down the debris of a blast cracks the glass.
    ship->SetCurrentShield(0);
    auto defences = [ship] { return ship->GetCurrentShield() + ship->GetCurrentArmor() + ship->GetCurrentStructure(); };
    const float whole = defences();
    SoundEngine* sound = game.GetSoundEngine();

    // Beyond the radius nothing reaches the player.
    Level().CreateExplosion(At(Vec3(0, 0, 300)), 192, 0, EXPLOSION_ENERGY, false);
    EXPECT_EQ(0.0f, player->GetShake());
    Run(0.5f, 0.05f);
    EXPECT_EQ(whole, defences());

    // 96 units from the centre of a 192-unit blast: k = 1 - 96² / 192² = 0.75.
    *game.GetLimiter() = Limiter();
    const GuiShipHudGlassDecals* glass = player->GetHUD() ? player->GetHUD()->GetGlassDecals() : nullptr;
    ASSERT_NE(nullptr, glass);
    const size_t cracks = glass->GetDecals().size();
    Level().CreateExplosion(At(Vec3(0, 0, 96)), 192, 0, EXPLOSION_ENERGY, false);
    EXPECT_FLOAT_EQ(22.5f, player->GetShake());
    EXPECT_EQ(std::min(cracks + 8, GuiShipHudGlassDecals::MaxDecals), glass->GetDecals().size());
    // The damage arrives in the next frame, with the ship's own sound of the hit.
    Frame(0.05f);
    EXPECT_LT(defences(), whole);
    const size_t sounds = sound->GetSound2DCount();
    Run(0.15f, 0.05f);
    EXPECT_EQ(sounds, sound->GetSound2DCount()) << "the debris is heard 0.25 s later";
    Run(0.1f, 0.05f);
    EXPECT_EQ(sounds + 1, sound->GetSound2DCount());
}
