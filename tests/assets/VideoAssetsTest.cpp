#include "AssetNames.h"

#include <gtest/gtest.h>

// The intro logo and the looping backgrounds of the menu and mission screens.
TEST(Assets, Movies) { ExpectAssetsPresent({"movies/logo.avi", "movies/menu.avi", "movies/stock_ex.avi"}); }
