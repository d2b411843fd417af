// A sound bone moves its sound: the pose handed over whenever its own pose is recomputed.
#include "../ExpectNear.h"
#include "../SceneFixture.h"

#include "foundation/base/Dumper.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/SoundBone.h"
#include "services/sound/SoundEngine.h"

#include <gtest/gtest.h>

namespace {

TEST(SoundBone, CarriesItsSoundWithTheVelocityOfEachMove)
{
    ResourceSystem resources(&Dumper::Instance(), 1);
    SoundEngine engine(&resources, &Dumper::Instance(), nullptr);
    if (!engine.Init())
        GTEST_SKIP() << "no audio device";
    engine.SetRootDir((std::string(GAME_DATA_DIR) + "/sounds/").c_str());
    SOUND3D_POSE start;
    Sound3D* sound = engine.CreateSound3D("collision_00.wav", start, true, false, 1.0f);
    ASSERT_NE(sound, nullptr);

    RenderScene scene(nullptr, &resources, nullptr, nullptr);
    Group* ship = scene.CreateGroup(SL_STAGE);
    ship->SetPosition(100, 0, 0);
    SoundBone* bone = scene.CreateSoundBone(sound);
    ship->Attach(bone);
    bone->SetPrevPos(Vec3(100, 0, 0));
    bone->SetPosition(5, 0, 0);
    bone->Yaw(90, CS_PARENT);

    bone->GetGlobalPos();
    ExpectNear(sound->GetPose().position, Vec3(105, 0, 0));
    ExpectNear(sound->GetPose().velocity, Vec3(5, 0, 0));
    ExpectNear(sound->GetPose().forward, Vec3(1, 0, 0));
    ExpectNear(sound->GetPose().up, Vec3(0, 1, 0));

    // Reading the pose again hands nothing over: the sound keeps the velocity of the move.
    bone->GetWorldMatrix();
    ExpectNear(sound->GetPose().velocity, Vec3(5, 0, 0));

    bone->SetPosition(7, 0, 0);
    bone->GetGlobalPos();
    ExpectNear(sound->GetPose().position, Vec3(107, 0, 0));
    ExpectNear(sound->GetPose().velocity, Vec3(2, 0, 0));
    EXPECT_EQ(bone->GetType(), NT_BONE);
}

} // namespace
