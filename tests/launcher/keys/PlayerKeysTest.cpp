// The game driven as a player drives it: key presses and typed text pushed into the window's
// event queue, read by the input system as they arrive and handled by the game program's own
// event loop, one game frame after each key. Covers the console, which has every key while it is
// open; the pilots screen, which drops what is typed before a name is asked for; the whole way
// from a new pilot to a team mission on the shipped data; and the pause menu, which pauses.
#include "MenuFixture.h"

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/base/Dumper.h"
#include "foundation/base/Timer.h"
#include "game/core/catalogue/LevelsList.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/LevelMenu.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "game/world/actor/Actor.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/Player.h"
#include "gui/menus/GuiMainMenu.h"
#include "gui/menus/GuiProfiles.h"
#include "gui/mission/GuiTeamGathering.h"
#include "launcher/KeyRouter.h"
#include "launcher/Launcher.h"
#include "launcher/LevelControls.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/flash/FlashControl.h"
#include "platform/window/Window.h"
#include "platform/window/WindowEvents.h"
#include "services/input/InputSystem.h"

namespace {

// The actions of the shipped "config.ini" that keys reach.
const char* const KeyActions[] = {"Boost",   "Fire1",     "Fire2",         "GamePause",       "PickBestVisibleTarget",
                                  "Pitch+",  "Pitch-",    "Roll+",         "Roll-",           "PickNearestTarget",
                                  "SpeedUp", "SpeedDown", "SwitchPrimary", "SwitchSecondary", "Yaw+",
                                  "Yaw-"};

class PlayerKeysTest : public MenuTest
{
protected:
    void SetUp() override
    {
        GuiMainMenu::_state = GuiMainMenu::STATE_PROFILES;
        GuiMainMenu::_state_anim = 1.0f;
        MenuTest::SetUp();
        if (IsSkipped())
            return;
        _mission = std::make_unique<LevelControls>(game.GetLevel());
        _keys = std::make_unique<KeyRouter>(_frames, game.GetRender(), game.GetVideoSettings(), game.GetInput(),
                                            _mission.get());
        Loop();
    }
    void TearDown() override
    {
        WindowEvent event;
        while (PollWindowEvent(event))
        {}
        if (LayerManager::IsConsoleActive())
            LayerManager::ToggleConsole();
        GamePaused = 0;
        _keys.reset();
        _mission.reset();
        MenuTest::TearDown();
        GuiMainMenu::_state = GuiMainMenu::STATE_PROFILES;
        GuiMainMenu::_state_anim = 1.0f;
    }

    // The game program's loop, once: the waiting events, then a frame.
    void Loop(int frames = 1)
    {
        for (int i = 0; i < frames; ++i)
        {
            ASSERT_TRUE(HandleWindowEvents(*_window, *_keys));
            KeepFocus();
            Frames();
        }
    }
    // The window has the focus as the player's window has it, while the test's keys are read.
    // Other test programs on the same display take the display's own focus as they come up.
    void KeepFocus()
    {
        SDL_Event focus{};
        focus.type = SDL_WINDOWEVENT;
        focus.window.windowID = _window->GetId();
        focus.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
        SDL_PushEvent(&focus);
    }

    void Push(Uint32 type, SDL_Scancode scancode)
    {
        SDL_Event event{};
        event.type = type;
        event.key.windowID = _window->GetId();
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
        SDL_PushEvent(&event);
    }
    void PushText(char ch)
    {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        event.text.windowID = _window->GetId();
        event.text.text[0] = ch;
        SDL_PushEvent(&event);
    }
    void Down(SDL_Scancode scancode, char typed = 0)
    {
        KeepFocus();
        Push(SDL_KEYDOWN, scancode);
        if (typed)
            PushText(typed);
    }
    void Up(SDL_Scancode scancode)
    {
        KeepFocus();
        Push(SDL_KEYUP, scancode);
    }

    // One key pressed and released, and a frame; a key that types something types it.
    void Key(SDL_Scancode scancode, char typed = 0)
    {
        Down(scancode, typed);
        Up(scancode);
        Loop();
    }
    // Typed text, one key and one frame a character: letters, digits, space, comma and full stop.
    void Type(const std::string& text)
    {
        for (char ch : text)
            Key(ScancodeOf(ch), ch);
    }
    // Named keys, one frame each: U D L R for the arrows, A for Return, X for Escape, B for
    // Backspace, ` for the console key.
    void Press(const std::string& keys)
    {
        for (char key : keys)
        {
            switch (key)
            {
            case 'U': Key(SDL_SCANCODE_UP); break;
            case 'D': Key(SDL_SCANCODE_DOWN); break;
            case 'L': Key(SDL_SCANCODE_LEFT); break;
            case 'R': Key(SDL_SCANCODE_RIGHT); break;
            case 'A': Key(SDL_SCANCODE_RETURN); break;
            case 'X': Key(SDL_SCANCODE_ESCAPE); break;
            case 'B': Key(SDL_SCANCODE_BACKSPACE); break;
            case '`': Key(SDL_SCANCODE_GRAVE, '`'); break;
            default: FAIL() << "no key " << key;
            }
        }
    }
    static SDL_Scancode ScancodeOf(char ch)
    {
        if (ch >= 'a' && ch <= 'z')
            return SDL_Scancode(SDL_SCANCODE_A + (ch - 'a'));
        if (ch >= '1' && ch <= '9')
            return SDL_Scancode(SDL_SCANCODE_1 + (ch - '1'));
        switch (ch)
        {
        case '0': return SDL_SCANCODE_0;
        case ' ': return SDL_SCANCODE_SPACE;
        case ',': return SDL_SCANCODE_COMMA;
        case '.': return SDL_SCANCODE_PERIOD;
        default: ADD_FAILURE() << "no key types " << ch; return SDL_SCANCODE_UNKNOWN;
        }
    }

    // Frames until the frame is current and no fade runs; false when it does not come.
    bool Reach(const char* frame, int frames = 300)
    {
        for (int i = 0; i < frames; ++i)
        {
            if (std::string(Current()) == frame && _frames->GetStatus() == GameFrameManager::FADE_NONE)
                return true;
            Loop();
        }
        return false;
    }
    // The pilot's first offer in flight, the loading done.
    SingleLevel* FlyFirstMission()
    {
        UserProfile* pilot = game.GetProfileManager()->CreateProfile("Ada");
        pilot->SetCurrentLevel(pilot->GetLevelsList()->GetFreeDesc(0));
        SingleLevel* level = game.GetLevel();
        level->LoadLevel(nullptr, nullptr, nullptr);
        EXPECT_TRUE(Reach("level"));
        for (int i = 0; i < 300 && !level->IsLoaded(); ++i)
            Loop();
        EXPECT_TRUE(level->IsLoaded());
        return level;
    }
    // The actions the bindings saw in the last frame.
    std::vector<std::string> ActionsSeen() const
    {
        std::vector<std::string> seen;
        const InputSystem* input = game.GetInput();
        for (const char* action : KeyActions)
        {
            if (input->IsKeyEvent(action, BUTTON_PRESSED) || input->IsKeyEvent(action, BUTTON_RELEASED))
                seen.push_back(action);
        }
        return seen;
    }
    static std::string ConsoleLine()
    {
        return wstring2string(
            LayerManager::_flashConsole->GetFC()->callFunction(L"GetCommand", FlashHost::Args()).getString());
    }

    std::unique_ptr<LevelControls> _mission;
    std::unique_ptr<KeyRouter> _keys;
};

} // namespace

TEST_F(PlayerKeysTest, TheConsoleHasEveryKeyWhileItIsOpenAndItsKeyAlwaysClosesIt)
{
    SingleLevel* level = FlyFirstMission();
    ASSERT_TRUE(level && level->IsLoaded());
    Player* player = level->GetPlayer();
    ASSERT_NE(player, nullptr);
    FlightModel* model = player->GetFlightModel();
    ASSERT_NE(model, nullptr);
    const int switches = _log.Count("Flight model switched");

    Press("`");
    ASSERT_TRUE(LayerManager::IsConsoleActive());
    // Letters that are hot keys of the mission ("h" hides the layers, "i" the debug overlay, "v",
    // "n", "m", "b" switch the flight model, "," and "." the inertia, "y" the dust), keys bound to
    // the player's actions ("p" pause, "w" speed, "t" target, space fire) and Escape, which opens
    // the pause menu: all of it is the console's.
    for (char ch : std::string("bomb hivy, p.wat"))
    {
        Type(std::string(1, ch));
        EXPECT_EQ(ActionsSeen(), std::vector<std::string>()) << "'" << ch << "' reached the bindings";
    }
    Press("UX");
    EXPECT_EQ(ActionsSeen(), std::vector<std::string>());
    EXPECT_EQ(ConsoleLine(), "bomb hivy, p.wat");
    EXPECT_EQ(player->GetFlightModel(), model) << "the flight model did not change";
    EXPECT_FALSE(model->IsDebugMode());
    EXPECT_TRUE(LayerManager::_enabled) << "the layers stay shown";
    EXPECT_EQ(GamePaused, 0);
    EXPECT_FALSE(level->GetLevelMenu()->IsOpen());
    EXPECT_EQ(_log.Count("Flight model switched"), switches);

    // A key pressed for the console and let go after it closed stays the console's.
    Down(SDL_SCANCODE_P, 'p');
    Loop();
    Press("`");
    EXPECT_FALSE(LayerManager::IsConsoleActive());
    Up(SDL_SCANCODE_P);
    Loop();
    EXPECT_EQ(GamePaused, 0);

    // Closed, the bindings have the keys again; the console key opens and closes it while the
    // mission is paused as well.
    Type("p");
    EXPECT_EQ(GamePaused, 1);
    Press("`");
    EXPECT_TRUE(LayerManager::IsConsoleActive());
    Press("`");
    EXPECT_FALSE(LayerManager::IsConsoleActive());
    Type("p");
    EXPECT_EQ(GamePaused, 0);
    Type("i");
    EXPECT_TRUE(model->IsDebugMode()) << "the hot keys work again";
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(PlayerKeysTest, WhatIsTypedBeforeNewPilotIsDroppedAndTheNameIsTypedAfterIt)
{
    ASSERT_TRUE(Open("main_menu"));
    GuiProfiles* panel = Frame<GuiMainMenu>("main_menu")->GetProfiles();
    ASSERT_NE(panel, nullptr);
    ASSERT_EQ(panel->GetSelected(), GuiProfiles::BUTTON_NEW) << "no pilot yet";
    Type("xyz");
    Press("B");
    Press("A");
    ASSERT_EQ(panel->GetEditMode(), GuiProfiles::EDIT_NEW);
    EXPECT_STREQ(panel->GetTypedName(), "");
    Type("ada");
    Press("BA");
    ASSERT_EQ(game.GetProfileManager()->GetProfileCount(), 1);
    EXPECT_STREQ(game.GetProfileManager()->GetProfileByIndex(0)->GetName(), "ad");
    // Typed with a pilot chosen, and before a rename: dropped too.
    Type("q");
    Press("DDA");
    ASSERT_EQ(panel->GetEditMode(), GuiProfiles::EDIT_RENAME);
    EXPECT_STREQ(panel->GetTypedName(), "ad");
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(PlayerKeysTest, ANewPilotHiresTheTeamOfTheShippedTeamMissionAndFliesIt)
{
    // A new pilot has no money and the shipped pirates cost nothing: the balance is exactly 0.
    ASSERT_TRUE(Open("main_menu"));
    Press("A");
    Type("vera");
    Press("AA");
    ASSERT_TRUE(Reach("main_menu"));
    UserProfile* pilot = game.GetProfileManager()->GetCurrent();
    ASSERT_NE(pilot, nullptr);
    EXPECT_EQ(pilot->GetCash(), 0);

    // Play, single player, the second offer (the team mission), its gang.
    Loop(20);
    Press("AA");
    ASSERT_TRUE(Reach("mission_select"));
    Press("R");
    Loop(20);
    Press("A");
    ASSERT_TRUE(Reach("mission_desc"));
    const LevelDesc* offer = pilot->GetCurrentLevel();
    ASSERT_EQ(offer, pilot->GetLevelsList()->GetFreeDesc(1));
    ASSERT_GT(offer->GetMaxPirates(), 0);
    Press("RA");
    ASSERT_TRUE(Reach("team_gathering"));
    const auto* team = Frame<GuiTeamGathering>("team_gathering");
    for (int i = 0; i < offer->GetMaxPirates(); ++i)
        Press("A");
    ASSERT_EQ(team->GetTeamSize(), offer->GetMaxPirates());
    ASSERT_EQ(team->GetBalance(), 0);
    EXPECT_EQ(team->GetSection(), GuiTeamGathering::SECTION_CENTRE);
    EXPECT_EQ(team->GetCentreButton(), GuiTeamGathering::BUTTON_GO);
    EXPECT_TRUE(team->GetButton(GuiTeamGathering::BUTTON_GO).IsEnabled());
    EXPECT_EQ(team->GetButton(GuiTeamGathering::BUTTON_GO).GetState(), 2) << "shown selected";

    // Enter goes with the gang; on the description Enter starts the mission.
    Press("A");
    ASSERT_TRUE(Reach("mission_desc"));
    EXPECT_EQ(pilot->GetTeam()->GetTeamSize(), unsigned(offer->GetMaxPirates()));
    Press("A");
    ASSERT_TRUE(Reach("level"));
    SingleLevel* level = game.GetLevel();
    for (int i = 0; i < 300 && !level->IsLoaded(); ++i)
        Loop();
    EXPECT_TRUE(level->IsLoaded());
    EXPECT_NE(std::string(level->GetLevelFile()).find(offer->GetFilename()), std::string::npos);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(PlayerKeysTest, ThePauseMenuPausesTheMissionAndRestartFliesItAgain)
{
    SingleLevel* level = FlyFirstMission();
    ASSERT_TRUE(level && level->IsLoaded());
    Loop(10);
    const LevelMenu* menu = level->GetLevelMenu();
    auto where = [&] {
        std::vector<float> places;
        for (unsigned i = 0; i < level->GetActorsCount(); ++i)
        {
            const Vec3 at = level->GetActor(i)->GetPosition();
            places.insert(places.end(), {at.x, at.y, at.z});
        }
        return places;
    };

    Press("X");
    ASSERT_TRUE(menu->IsOpen());
    EXPECT_EQ(GamePaused, 1);
    const float time = level->GetTime();
    const std::vector<float> places = where();
    Loop(30);
    EXPECT_EQ(level->GetTime(), time) << "the mission waits";
    EXPECT_EQ(where(), places) << "nothing moves, nothing fires";
    Press("X");
    EXPECT_FALSE(menu->IsOpen());
    EXPECT_EQ(GamePaused, 0);
    Loop(3);
    EXPECT_GT(level->GetTime(), time) << "closed, the mission goes on";

    // Resume resumes; restart loads the mission again.
    Press("XA");
    EXPECT_FALSE(menu->IsOpen());
    EXPECT_EQ(GamePaused, 0);
    EXPECT_EQ(_frames->GetStatus(), GameFrameManager::FADE_NONE) << "resume stays in the mission";
    Press("XDA");
    EXPECT_EQ(GamePaused, 0);
    EXPECT_EQ(_frames->GetStatus(), GameFrameManager::FADE_OUT);
    EXPECT_EQ(_frames->GetNext(), level) << "the mission frame again";
    ASSERT_TRUE(Reach("level"));
    for (int i = 0; i < 300 && !level->IsLoaded(); ++i)
        Loop();
    ASSERT_TRUE(level->IsLoaded());
    EXPECT_LT(level->GetTime(), time) << "from its start";
    EXPECT_FALSE(level->GetLevelMenu()->IsOpen());
    EXPECT_EQ(_log.Count("is loaded"), 2) << _log.All();
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}
