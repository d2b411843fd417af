// The camera: its defaults, matrices against the math library's builders, the lazy frustum,
// the position reset of the view pass, and projections to and from the screen.
#include "../SceneFixture.h"

#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"

#include <gtest/gtest.h>

namespace {

constexpr float kOffScreen = -3.4028235e38f;

void ExpectMatrixNear(const Matrix& actual, const Matrix& expected)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual.m[i], expected.m[i], 1e-5f) << i;
}

Camera* MakeCamera(Group& root)
{
    auto* camera = new Camera(&root, nullptr);
    root.Attach(camera);
    return camera;
}

TEST(Camera, DefaultsAndMatricesOfTheMathLibrary)
{
    Group root(nullptr, nullptr);
    Camera* camera = MakeCamera(root);
    EXPECT_EQ(camera->GetFov(), 85.0f);
    EXPECT_EQ(camera->GetFovDefault(), 60.0f);
    EXPECT_EQ(camera->GetNearClip(), 1.0f);
    EXPECT_EQ(camera->GetFarClip(), 500.0f);
    EXPECT_EQ(camera->GetAspectRatio(), 1.333333f);
    EXPECT_EQ(camera->GetCameraMode(), CM_PERSPECTIVE);
    EXPECT_EQ(camera->GetViewport().width, 100.0f);

    camera->SetPosition(3, 4, 5);
    camera->Yaw(30, CS_PARENT);
    Matrix projection;
    projection.FromPerspective(85.0f * 0.017453f, 1.333333f, 1.0f, 500.0f);
    ExpectMatrixNear(camera->GetProjMatrix(), projection);
    ExpectMatrixNear(camera->GetViewMatrix(), camera->GetWorldMatrix().Inversed());
    ExpectMatrixNear(camera->GetViewMatrix() * camera->GetWorldMatrix(), Matrix::Ident());
}

// A new field of view reaches the projection at once, the frustum only with the next move.
TEST(Camera, TheFrustumFollowsTheNextMove)
{
    Group root(nullptr, nullptr);
    Camera* camera = MakeCamera(root);
    const Vec3 edge(0.9f, 0.0f, 1.0f); // inside 85 degrees, outside 60
    EXPECT_EQ(camera->GetFrustum().Intersects(edge * 10.0f), INSIDE);
    camera->SetFov(60);
    Matrix projection;
    projection.FromPerspective(60.0f * 0.017453f, 1.333333f, 1.0f, 500.0f);
    ExpectMatrixNear(camera->GetProjMatrix(), projection);
    EXPECT_EQ(camera->GetFrustum().Intersects(edge * 10.0f), INSIDE);
    camera->SetPosition(0, 0, 0);
    EXPECT_EQ(camera->GetFrustum().Intersects(edge * 10.0f), OUTSIDE);
}

TEST(Camera, ResetAndRestorePosition)
{
    Group root(nullptr, nullptr);
    Camera* camera = MakeCamera(root);
    camera->SetPosition(10, 0, 0);
    camera->ResetPosition();
    EXPECT_EQ(camera->GetGlobalPos(), Vec3(0, 0, 0));
    EXPECT_EQ(camera->GetLocalPos(), Vec3(0, 0, 0));
    camera->RestorePosition();
    EXPECT_FALSE(camera->HasFlag(NF_MATRIX_STALE));
    EXPECT_EQ(camera->GetWorldMatrix().GetRow3(3), Vec3(10, 0, 0));
}

class CameraScreenTest : public DeviceTest
{};

// The device's viewport is the whole 320 x 240 back buffer.
TEST_F(CameraScreenTest, APointGoesToTheScreenAndBack)
{
    Camera* camera = _scene->CreateCamera();
    camera->SetAspectRatio(320.0f / 240.0f);
    camera->SetPosition(1, 2, -10);
    camera->Yaw(10, CS_PARENT);
    const Vec3 point(2.0f, 3.0f, 5.0f);
    Vec3 screen;
    EXPECT_TRUE(camera->WorldToScreen(point, _system.get(), screen));
    ASSERT_GT(screen.x, 0.0f);
    ASSERT_LT(screen.x, 320.0f);
    ASSERT_GT(screen.y, 0.0f);
    ASSERT_LT(screen.y, 240.0f);
    EXPECT_EQ(screen.z, 1.0f);
    // Up in the world is up on the screen: the pixel rows grow downwards.
    Vec3 higher;
    camera->WorldToScreen(point + Vec3(0, 1, 0), _system.get(), higher);
    EXPECT_LT(higher.y, screen.y);

    // Back from the pixel: a point on the ray from the camera through the original one.
    Vec3 back;
    camera->ScreenToWorld(screen.x, screen.y, _system.get(), back);
    Vec3 toPoint = point - camera->GetGlobalPos(), toBack = back - camera->GetGlobalPos();
    toPoint.Normalize();
    toBack.Normalize();
    EXPECT_NEAR(toPoint.Dot(toBack), 1.0f, 1e-5f);

    // Behind the camera or off the side: the sentinel, and the true answer all the same.
    for (const Vec3& away : {Vec3(1, 2, -20), Vec3(500, 2, 0)})
    {
        Vec3 off;
        EXPECT_TRUE(camera->WorldToScreen(away, _system.get(), off));
        EXPECT_EQ(off.x, kOffScreen);
        EXPECT_EQ(off.y, kOffScreen);
    }
    Vec3 unscissored;
    bool behind = false;
    camera->WorldToScreenNoScissor(Vec3(1, 2, -20), _system.get(), unscissored, behind);
    EXPECT_TRUE(behind);
}

// The orthographic volume takes the screen's proportions from the video settings.
TEST_F(CameraScreenTest, AnOrthographicVolumeIsAsWideAsTheScreen)
{
    _video->ScrWidth = 1280;
    _video->ScrHeight = 720;
    Camera* camera = _scene->CreateCamera();
    camera->SetCameraMode(CM_ORTHOGRAPHIC);
    Matrix ortho;
    ortho.FromOrtho(1280.0f / 720.0f, 1.0f, 1.0f, 500.0f);
    ExpectMatrixNear(camera->GetProjMatrix(), ortho);
}

} // namespace
