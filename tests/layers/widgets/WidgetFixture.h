#pragma once

#include "FlashFixture.h"

#include "MaterialSystem/materials/MaterialMgr.h"

#include "game/core/texts/GameTexts.h"
#include "game/profiles/ProfileManager.h"
#include "game/core/game/Game.h"

#include <memory>
#include <string>
#include <vector>

// Widgets on a 1280 x 960 screen (unless a test sets another) in a scratch working folder with
// the game's textures and materials. The game (not started) has texts and profiles of the test
// installed: the game's texts of the stock exchange, the common tips and the races (the
// team-gathering texts are left out, so their codes show), and profiles in the scratch folder. Every widget movie there
// is a recorder that logs each call it gets; Calls() reads them back as "movie.Function(arg,...)", strings quoted.
class WidgetTest : public FlashTest
{
protected:
    WidgetTest();
    void SetUp() override;
    void TearDown() override;
    // The widget movies of the game instead of the recorders.
    void UseGameMovies();
    // The calls logged since the last read.
    std::vector<std::string> Calls();
    // The layer manager again, for a screen of that size.
    void Screen(int width, int height);

    std::unique_ptr<GameTexts> _texts;
    std::unique_ptr<ProfileManager> _profiles;
    size_t _read = 0;
};

// A movie that logs every call the game makes on it (what WidgetTest writes for the widgets).
extern const char* const RecorderMovie;

// Every movie the widgets play, by name.
extern const char* const WidgetMovies[];
extern const size_t WidgetMovieCount;
