#include "game/core/game/Game.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Profiler.h"
#include "scene/RenderScene.h"
#include "foundation/config/GameSettings.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/frames/GuiEmpty.h"
#include "game/core/gamedata/Base.h"
#include "game/core/game/WidgetSource.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/ProfileManager.h"
#include "game/world/actor/Limiter.h"

#include <cstring>

Game game;

namespace {

// The sixteen frames: built in the first order, registered in the second.
constexpr const char* CreationOrder[] = {
    "videoIntro", "logo",           "main_menu",      "multiplayer_menu",
    "stock_ex",   "team_gathering", "mission_desc",   "briefing",
    "angar",      "level",          "mission_select", "mission_score",
    "empty",      "configurations", "create_game",    "multiplayer_team",
};
constexpr const char* RegistrationOrder[] = {
    "videoIntro",     "logo",           "main_menu",    "multiplayer_menu",
    "stock_ex",       "team_gathering", "mission_desc", "briefing",
    "configurations", "angar",          "level",        "mission_select",
    "mission_score",  "empty",          "create_game",  "multiplayer_team",
};

} // namespace

Game::Game() { GuiGame::Install(MakeWidgetSource()); }

// A process that ends without ShutDown (a signal, an early exit) still tears down in order: the
// frames must go before the frame manager that the base class frees.
Game::~Game()
{
    ShutDown();
    GuiGame::Install({});
}

void Game::Start(WindowHandle window, bool flag)
{
    _startedWithMission = flag;
    GameEngine::Start(window, flag);
    // The system timer already has the resolution the frame loop needs here.
    _limiter = std::make_unique<Limiter>();
    CreateBase();
    CreateProfiles();
    CreateFrames();
    GetGameFrameManager()->SetActive(flag ? "empty" : "videoIntro");
    SetNetworkGame(false);
}

void Game::CreateBase()
{
    DestroyBase();
    _base = std::make_unique<Base>(GetVirtualMachine(), GetDumper());
    _base->Load(false);
    LogCreated("game data");
}

void Game::DestroyBase()
{
    if (!_base)
        return;
    _base->Clear();
    _base.reset();
    LogFreed("game data");
}

void Game::CreateProfiles()
{
    _profiles = std::make_unique<ProfileManager>(GetGameTextsSystem(), _base.get(), GetGameSettings()->Language);
    _profiles->Initialize();
    _profileManager = _profiles.get();
    LogCreated("profile manager");
}

// Saves every profile.
void Game::DestroyProfiles()
{
    _profileManager = nullptr;
    if (!_profiles)
        return;
    _profiles->ShutDown();
    _profiles.reset();
    LogFreed("profile manager");
}

std::unique_ptr<GameFrame> Game::CreateFrame(GameFrameManager* manager, const char* name)
{
    if (std::strcmp(name, "level") == 0)
    {
        auto level = std::make_unique<SingleLevel>(manager, name);
        _level = level.get();
        return level;
    }
    if (std::strcmp(name, "empty") == 0)
        return std::make_unique<GuiEmpty>(manager, name);
    return _frameFactory ? _frameFactory(manager, name) : nullptr;
}

void Game::CreateFrames()
{
    GameFrameManager* manager = GetGameFrameManager();
    if (!_frameFactory)
        GetDumper()->Print(DUMP_INFO, "Game: no screens are installed, only the mission frame is made\n");
    for (const char* name : CreationOrder)
    {
        if (std::unique_ptr<GameFrame> frame = CreateFrame(manager, name))
            _frames.push_back(std::move(frame));
        else if (_frameFactory)
            GetDumper()->Print(DUMP_WARNING, "Game: no screen is made for the frame \"%s\"\n", name);
    }
    for (const char* name : RegistrationOrder)
    {
        for (const std::unique_ptr<GameFrame>& frame : _frames)
        {
            if (std::strcmp(frame->GetName(), name) == 0)
                manager->AddFrame(frame.get());
        }
    }
    LogCreated("frames");
}

bool Game::IsSingle() const
{
    const GameFrameManager* manager = GetGameFrameManager();
    const GameFrame* current = manager ? manager->GetCurrent() : nullptr;
    return !current || std::strcmp(current->GetName(), "network_level") != 0;
}

void Game::Proceed()
{
    static const Name PresentScope("Present");
    ProceedLogic();
    {
        AutoScopeProfile scope(PresentScope);
        GetRenderScene()->RenderView(GetCamera(), *GetTimer());
    }
    GetRender()->RenderStats(GetTimer());
}

void Game::ProceedUndrawn()
{
    ProceedLogic();
    GetRender()->DropDrawing();
}

void Game::ProceedLogic()
{
    static const Name GameLogic("GameLogic");
    static const Name UpdateScene("UpdateScene");
    {
        AutoScopeProfile scope(GameLogic);
        GameEngine::Proceed();
        if (!_networkGame && _level && _limiter)
            _limiter->Proceed();
    }
    {
        AutoScopeProfile scope(UpdateScene);
        GetRenderScene()->UpdateScene(*GetTimer());
    }
}

void Game::ShutDown()
{
    // Frames are shut down while the services they use are all there.
    if (GameFrameManager* manager = GetGameFrameManager())
        manager->ShutDown();
    DestroyProfiles();
    DestroyBase();
    _level = nullptr;
    _angar = nullptr;
    _limiter.reset();
    if (!_frames.empty())
    {
        _frames.clear();
        LogFreed("frames");
    }
    GameEngine::ShutDown();
}
