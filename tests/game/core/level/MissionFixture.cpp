#include "MissionFixture.h"

#include "game/core/game/Game.h"

StartedGame* MissionFixture::_game = nullptr;

void MissionFixture::SetUpTestSuite() { _game = new StartedGame(); }

void MissionFixture::TearDownTestSuite()
{
    delete _game;
    _game = nullptr;
}

void MissionFixture::SetUp()
{
    if (!_game->Started())
        GTEST_SKIP() << "no display: " << _game->Error();
    _gameLevel = game.GetLevel();
    game.SetLevel(&level);
}

void MissionFixture::TearDown()
{
    level.ShutDown();
    if (_game->Started())
        game.SetLevel(_gameLevel);
}

void MissionFixture::Start(const std::string& levelText, const std::string& desc, const std::string& logic)
{
    _game->Data().WriteLevel("test.lua", levelText);
    _game->Data().WriteLevel("test_desc.lua", desc);
    _game->Data().WriteLevel("test_logic.lua", logic);
    level.LoadLevel("test.lua", "test_desc.lua", "test_logic.lua");
    level.Initialize();
}

void MissionFixture::Frame(float seconds)
{
    clock.Tick(seconds);
    level.Proceed(seconds);
}

bool MissionFixture::FinishLoading(int frames)
{
    for (int i = 0; i < frames && !level.IsLoaded(); ++i)
        Frame(1.0f / 60.0f);
    return level.IsLoaded();
}

std::string Entry(const std::string& key, const std::string& value) { return "Level." + key + " = " + value + ";\n"; }
