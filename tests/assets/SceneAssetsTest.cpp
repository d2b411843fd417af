#include "AssetNames.h"

#include <gtest/gtest.h>

// The scene's demo models and the meshes they bind.
TEST(Assets, SceneModels) { ExpectAssetsPresent({"assets/demo_ship.mod", "meshes/hull.sms", "meshes/sphere.sms"}); }
