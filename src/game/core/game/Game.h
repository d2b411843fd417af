#pragma once

#include "game/core/engine/GameEngine.h"

#include <memory>
#include <vector>

class Base;
class ConstructionAngar;
class GameFrame;
class GameFrameManager;
class Limiter;
class ProfileManager;
class SingleLevel;

// The engine object of the game: the engine's services plus the sixteen screens, the mission
// frame and the pilot profiles. The engine library holds exactly one, the global `game`; the
// launcher starts it once, runs it once a frame and shuts it down once, and every other part of
// the system reaches the services through its getters.
class Game : public GameEngine
{
public:
    // Makes the screen of a frame name, or null for a name it has none of. The screens sit above
    // the game, so the program installs their maker before it starts the game.
    using FrameFactory = std::unique_ptr<GameFrame> (*)(GameFrameManager* manager, const char* name);

    Game();
    ~Game() override;

    // Activates "empty" first when the flag is set (the launcher then loads a mission itself),
    // else "videoIntro". The game makes "level" and "empty" itself, every other frame through the
    // installed factory.
    void Start(WindowHandle window, bool flag) override;
    // "GameLogic", "UpdateScene" and "Present" in profiler scopes, then the render statistics.
    void Proceed() override;
    // A frame of the same logic whose picture is not drawn: what it collected for the screen is
    // dropped. For runs of play that nobody looks at (tests), where drawing is nearly all the
    // cost of a frame.
    void ProceedUndrawn();
    // Shuts the current frame down, frees the frames and the game's own objects, then the
    // engine's services. Safe to call twice.
    void ShutDown() override;

    // The game-data database, from Start to ShutDown.
    Base* GetBase() const { return _base.get(); }
    // The mission frame "level", from Start to ShutDown, unless a test installed its own.
    SingleLevel* GetLevel() const { return _level; }
    ProfileManager* GetProfileManager() const { return _profileManager; }
    // The hangar frame "angar", from Start to ShutDown.
    ConstructionAngar* GetConstructionAngar() const { return _angar; }
    // The pacing of repeated sounds, from Start to ShutDown.
    Limiter* GetLimiter() const { return _limiter.get(); }
    bool IsLevel() const { return _level != nullptr; }
    // False only while the current frame is "network_level".
    bool IsSingle() const;
    void SetNetworkGame(bool network) { _networkGame = network; }
    bool IsNetworkGame() const { return _networkGame; }
    bool IsStartedWithMission() const { return _startedWithMission; }

    // What the game world reaches through the engine object; tests install their own. An
    // installed object stays its installer's.
    void SetLevel(SingleLevel* level) { _level = level; }
    void SetFrameFactory(FrameFactory factory) { _frameFactory = factory; }
    // The hangar's maker names the hangar frame it made.
    void SetConstructionAngar(ConstructionAngar* angar) { _angar = angar; }
    void SetProfileManager(ProfileManager* manager) { _profileManager = manager; }

private:
    // The frame up to its picture: "GameLogic" and "UpdateScene".
    void ProceedLogic();
    void CreateBase();
    void DestroyBase();
    void CreateProfiles();
    void DestroyProfiles();
    void CreateFrames();
    std::unique_ptr<GameFrame> CreateFrame(GameFrameManager* manager, const char* name);

    bool _startedWithMission = false;
    std::vector<std::unique_ptr<GameFrame>> _frames; // in creation order
    std::unique_ptr<Base> _base;
    std::unique_ptr<ProfileManager> _profiles;
    std::unique_ptr<Limiter> _limiter;
    FrameFactory _frameFactory = nullptr;
    SingleLevel* _level = nullptr;
    ConstructionAngar* _angar = nullptr;
    ProfileManager* _profileManager = nullptr; // the game's own unless a test installed one
    bool _networkGame = false;
};

// The game, exported by the engine library.
extern Game game;
