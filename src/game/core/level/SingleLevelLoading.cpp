// The mission frame's loading: the three file names, the start of a mission, the level
// description, the level file read a few members per frame behind the loading screen, the
// entry readers, sub-levels and the end of loading.
#include "game/core/level/SingleLevel.h"

#include <cstdio>
#include <cstring>

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/GameSettings.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/TableIterator.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/ai/EntityManager.h"
#include "game/ai/LevelLogic.h"
#include "game/ai/ShipEntity.h"
#include "game/core/catalogue/LevelDesc.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/LevelEntryReaders.h"
#include "game/core/level/LevelProgress.h"
#include "game/core/messages/MessageDispatcher.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "game/world/environment/Background.h"
#include "game/world/environment/Track.h"
#include "game/world/objects/Object.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/ShipPart.h"
#include "game/core/level/LevelMenu.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/Model.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxPhysicsSDK.h"
#include "services/physics/shim/NxScene.h"

namespace {

constexpr int MembersPerFrame = 8;
constexpr float FadeInSeconds = 2.0f;
constexpr size_t TextSize = 64;

// The collision switches between the actor groups of a mission, in the order they are set.
struct GroupPair
{
    uint16_t a, b;
    bool collide;
};
constexpr GroupPair GroupPairs[] = {
    {1, 1, true},  {1, 3, true},  {1, 2, true},  {1, 8, true},  {2, 2, false}, {2, 3, true},  {2, 7, false},
    {2, 8, true},  {3, 2, true},  {3, 3, true},  {3, 8, true},  {4, 8, false}, {5, 8, false}, {6, 8, false},
    {7, 2, false}, {7, 8, false}, {7, 7, false}, {8, 1, true},  {8, 2, true},  {8, 4, false}, {8, 5, false},
    {8, 6, false}, {8, 3, true},  {8, 7, false}, {8, 8, false},
};
constexpr NxU32 ReportAllContacts = 0x7FE;

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

// "levels\<name>"; false (logged) when it is longer than the buffer.
bool FormatLevelPath(char (&out)[SingleLevel::PathSize], const char* name)
{
    const int length = std::snprintf(out, sizeof out, "levels\\%s", name ? name : "");
    if (length >= 0 && static_cast<size_t>(length) < sizeof out)
        return true;
    Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: the path of \"%s\" is longer than %zu characters\n", name,
                             sizeof out - 1);
    return false;
}

Matrix PoseOf(const Table& entry)
{
    Matrix pose = Matrix::Ident();
    pose.FromOrientation(ReadVector(entry, "dir", Vec3(0, 0, 1)), ReadVector(entry, "up", Vec3(0, 1, 0)));
    pose.Translate(ReadVector(entry, "position", Vec3(0, 0, 0)));
    return pose;
}

// A missing colour component gives no light of its own; a missing power is 1.
void ApplySunColour(const Table& background, const char* key, void (RenderScene::*apply)(unsigned, const Color&, float))
{
    Table sun;
    RenderScene* scene = game.GetRenderScene();
    if (!scene || !background.GetTable(key, sun))
        return;
    float r = 0, g = 0, b = 0, power = 1;
    sun.GetNumber("r", r);
    sun.GetNumber("g", g);
    sun.GetNumber("b", b);
    sun.GetNumber("power", power);
    (scene->*apply)(0, Color(r, g, b), power);
}

int GameDifficulty()
{
    const GameSettings* settings = game.GetGameSettings();
    return settings ? settings->Difficulty : 1;
}

// Below 1 counts as 1: every asteroid is placed.
int AsteroidDivisor()
{
    const GameSettings* settings = game.GetGameSettings();
    const int divisor = settings ? static_cast<int>(settings->Asteroids) : 1;
    return divisor < 1 ? 1 : divisor;
}

} // namespace

void SingleLevel::LoadLevel(const char* level, const char* desc, const char* logic)
{
    const bool namesFromProfile = !level || !desc || !logic;
    if (namesFromProfile)
    {
        ProfileManager* profiles = game.GetProfileManager();
        UserProfile* profile = profiles ? profiles->GetCurrent() : nullptr;
        LevelDesc* current = profile ? profile->GetCurrentLevel() : nullptr;
        if (!current)
        {
            // A mission started from the command line has no offer: a retry plays its files again.
            if (_levelFile[0] && _descFile[0] && _logicFile[0])
            {
                if (GameFrameManager* manager = GetManager())
                    manager->SetActive(GetName());
                return;
            }
            Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: no level is chosen\n");
            return;
        }
        level = current->GetFilename();
        desc = current->GetFiledesc();
        logic = current->GetFilelogic();
    }
    char levelFile[PathSize], descFile[PathSize], logicFile[PathSize];
    if (!FormatLevelPath(levelFile, level) || !FormatLevelPath(descFile, desc) || !FormatLevelPath(logicFile, logic))
        return;
    _chosenInMenus = namesFromProfile;
    std::memcpy(_levelFile, levelFile, PathSize);
    std::memcpy(_descFile, descFile, PathSize);
    std::memcpy(_logicFile, logicFile, PathSize);
    if (GameFrameManager* manager = GetManager())
        manager->SetActive(GetName());
}

void SingleLevel::LoadSubLevel(const char* name)
{
    char path[PathSize];
    if (FormatLevelPath(path, name))
        ParseSubLevelScript(path);
}

void SingleLevel::UserInitialize()
{
    _failed = _leaving = false;
    CreateSpace();
    CreateMessageDispatcher();
    CreateAIManager();
    if (!ParseLevelDescScript(_descFile))
    {
        Abandon(_descFile);
        return;
    }
    if (!ParseLevelScript(_levelFile))
    {
        Abandon(_levelFile);
        return;
    }
    Pelloris::EntityManager::GetInstance()->SetPlayer(_player.get());
    _exist = true;
    _logic = std::make_unique<LevelLogic>();
    _time = 0;
    _levelMenu = std::make_unique<LevelMenu>();
    _levelMenu->Initialize();
    _progressScreen = std::make_unique<LevelProgress>();
    _progressScreen->Initialize();
    if (RenderScene* scene = game.GetRenderScene())
        scene->AddUserObject(this);
}

// What the mission made goes at once; the next frame asks for the menus, since a switch asked for
// while the frame manager is starting this frame would be undone by the fade it starts then.
void SingleLevel::Abandon(const char* path)
{
    Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: \"%s\" does not load; the mission ends\n", path);
    EndMission();
    _failed = true;
}

void SingleLevel::LeaveForMenus()
{
    if (_leaving)
        return;
    _leaving = true;
    if (GameFrameManager* manager = GetManager())
        manager->SetActive(_chosenInMenus ? "mission_select" : "main_menu");
}

void SingleLevel::CreateSpace()
{
    if (_space)
        ReleasePhysicsSpace();
    _space = CreatePhysicsSpace(game.GetResourceSystem());
    if (!_space)
    {
        Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: no physics space\n");
        return;
    }
    for (NxU32 parameter : {9u, 39u})
        nxSdk->setParameter(parameter, 1.0f);
    for (NxU32 parameter : {11u, 27u, 29u})
        nxSdk->setParameter(parameter, 10.0f);
    for (NxActorGroup a = 1; a <= 8; ++a)
    {
        for (NxActorGroup b = 1; b <= 8; ++b)
            _space->GetScene()->setActorGroupPairFlags(a, b, ReportAllContacts);
    }
    for (const GroupPair& pair : GroupPairs)
        _space->SetActorGroupCollisionFlag(pair.a, pair.b, pair.collide);
}

void SingleLevel::CreateAIManager()
{
    Pelloris::EntityManager::GetInstance()->Initialize();
    CreatePlayer();
}

void SingleLevel::CreatePlayer()
{
    _player = std::make_unique<Player>();
    _player->Initialize();
}

bool SingleLevel::ParseLevelDescScript(const char* path)
{
    VirtualMachine* vm = game.GetVirtualMachine();
    Table desc, background;
    if (!vm)
        return true; // a frame started without the engine's services reads nothing
    if (!RunDataFile(vm, path, "LevelDesc", desc))
        return false;
    if (!desc.GetTable("Background", background))
        return true;
    char env[TextSize] = {};
    char skyModel[TextSize] = {};
    background.GetString("env", env, sizeof env);
    background.GetString("sky_model", skyModel, sizeof skyModel);
    auto* sky = new Background();
    CreateActor(sky, nullptr);
    if (skyModel[0])
        sky->SetSky(skyModel, true);
    else
        sky->SetSky(env, false);
    char debris[TextSize] = {};
    if (background.GetString("debrisType", debris, sizeof debris))
        _debrisType = eDebrisType(LevelDebrisType(debris));
    if (background.HasMember("sunDir"))
        sky->SetSunDir(ReadVector(background, "sunDir", Vec3(0, 0, 0)));
    ApplySunColour(background, "sunAmbient", &RenderScene::SetSunAmbient);
    ApplySunColour(background, "sunDiffuse", &RenderScene::SetSunDiffuse);
    ApplySunColour(background, "sunSpecular", &RenderScene::SetSunSpecular);
    return true;
}

bool SingleLevel::ParseLevelScript(const char* path)
{
    _levelKeys.clear();
    _loadCursor = 0;
    _progress = 0;
    _progressStep = 0;
    _lastReportedProgress = -1;
    _loaded = false;
    VirtualMachine* vm = game.GetVirtualMachine();
    if (!vm)
    {
        Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: no script machine; \"%s\" is not read\n", path);
        return true;
    }
    _levelTable = std::make_unique<Table>(vm->CreateNewTable());
    _levelTable->SetGlobalName(Name("Level"));
    if (vm->ExecFile(path) != 0)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Unable to execute LUA script: %s\n", path);
        _levelTable.reset();
        return false;
    }
    _levelKeys = MemberKeys(*_levelTable);
    if (!_levelKeys.empty())
        _progressStep = 100.0f / static_cast<float>(_levelKeys.size());
    return true;
}

void SingleLevel::ParseLevelScriptProceed()
{
    if (_loaded)
        return;
    RenderScene* scene = game.GetRenderScene();
    Group* stage = scene ? scene->GetStageRoot() : nullptr;
    if (stage)
        stage->Enable(false);
    for (int i = 0; i < MembersPerFrame; ++i)
    {
        if (_loadCursor >= _levelKeys.size())
        {
            EndLoading();
            break;
        }
        const std::string& key = _levelKeys[_loadCursor];
        Table entry;
        if (StartsWith(key.c_str(), "obj") && _levelTable->GetTable(key.c_str(), entry) && !ParseEntry(entry))
        {
            Abandon(_levelFile);
            break;
        }
        _progress += _progressStep;
        ++_loadCursor;
    }
    if (!_loaded && static_cast<int>(_progress) > _lastReportedProgress && _progressScreen)
    {
        _progressScreen->SetProgress(_progress);
        _progressScreen->Draw();
        _lastReportedProgress = static_cast<int>(_progress);
    }
    if (stage)
        stage->Enable(true);
}

void SingleLevel::EndLoading()
{
    _loaded = true;
    _levelTable.reset();
    _levelKeys.clear();
    for (size_t i = 0; i < _actors.size(); ++i)
        _actors[i]->OnLevelStart();
    if (_player)
        _player->OnLevelStart();
    if (_logic && !_logic->Initialize(_logicFile))
    {
        Abandon(_logicFile);
        return;
    }
    Pelloris::EntityManager::GetInstance()->ActivateInitialTasks(_tracks);
    LoadAdditionalResources();
    _time = 0;
    if (GameFrameManager* manager = GetManager())
        manager->FadeOut();
    if (RenderScene* scene = game.GetRenderScene())
        scene->UpdateScene(0.0f);
    MaterialSystem* render = game.GetRender();
    _fadeMaterial = render ? render->GetMaterialMgr()->CreateMaterialFromFile("fade.mat") : nullptr;
    _fadeTime = FadeInSeconds;
    Dumper::Instance().Print(DUMP_INFO, "SingleLevel: \"%s\" is loaded with %u actors\n", _levelFile, GetActorsCount());
}

void SingleLevel::LoadAdditionalResources()
{
    MaterialSystem* render = game.GetRender();
    if (!render)
        return;
    for (const char* name :
         {"prt_particles00_add.mat", "prt_particles00_alp.mat", "prt_particles00_ref.mat", "prt_particles01_add.mat",
          "prt_particles01_alp.mat", "prt_particles02_add.mat", "prt_particles03_add.mat", "prt_particles03_alp.mat",
          "prt_particlesexp00_add.mat", "prt_particlesexp01_add.mat", "prt_particlesexp01_alp.mat",
          "prt_sparks_00_add.mat", "prt_sparks_00_alp.mat"})
        render->GetMaterialMgr()->CreateMaterialFromFile(name);
}

void SingleLevel::ParseSubLevelScript(const char* path)
{
    Table level;
    if (!RunDataFile(game.GetVirtualMachine(), path, "Level", level))
        return;
    // The keys first: reading an entry runs other scripts, which a walk in progress would not survive.
    for (const std::string& key : MemberKeys(level))
    {
        Table entry;
        if (StartsWith(key.c_str(), "obj") && level.GetTable(key.c_str(), entry) && !ParseEntry(entry))
        {
            Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: the rest of \"%s\" is not read\n", path);
            return;
        }
    }
}

bool SingleLevel::ParseEntry(const Table& entry)
{
    char classname[TextSize] = {};
    entry.GetString("classname", classname, sizeof classname);
    if (std::strcmp(classname, "ship") == 0)
        ParseShipTable(entry);
    else if (std::strcmp(classname, "player") == 0)
        ParsePlayerTable(entry);
    else if (std::strcmp(classname, "object") == 0)
        ParseObjectTable(entry);
    else if (std::strcmp(classname, "track") == 0)
        return ParseTrackTable(entry);
    else if (std::strcmp(classname, "debris") == 0)
        ParseDebrisTable(entry);
    return true;
}

void SingleLevel::ParseShipTable(const Table& entry)
{
    char prototype[TextSize] = {};
    char name[TextSize] = {};
    char fraction[TextSize] = "default";
    char shippart[PathSize] = {};
    float turrets = 0;
    float mainDifficulty = 0;
    entry.GetString("prototype", prototype, sizeof prototype);
    entry.GetString("name", name, sizeof name);
    entry.GetString("fraction", fraction, sizeof fraction);
    entry.GetNumber("turrets", turrets);
    entry.GetNumber("mainDifficulty", mainDifficulty);
    const Matrix pose = PoseOf(entry);
    Pelloris::ShipTaskRecord task = ReadTask(entry);

    if (entry.GetString("shippart", shippart, sizeof shippart))
    {
        RenderScene* scene = game.GetRenderScene();
        Model* model = scene ? scene->CreateModel(shippart, SL_STAGE) : nullptr;
        if (ShipPart* part = model ? CreateShipPartByModel(model) : nullptr)
            part->SetPose(pose);
        return;
    }
    if (mainDifficulty > static_cast<float>(GameDifficulty()))
        return;
    if (task.kind == Pelloris::TASK_ESCORT_THE_TARGET && task.params.x == 0)
    {
        const Base* base = game.GetBase();
        if (const ShipType* type = base ? base->GetShipByName(prototype) : nullptr)
            task.params.x = type->supportRange;
    }
    Ship* ship = CreateShip(prototype, fraction, name);
    if (!ship)
    {
        Dumper::Instance().Print(DUMP_ERROR, "  Failed to create ship by prototype \"%s\"\n", prototype);
        return;
    }
    ship->SetPose(pose);
    if (!_disableAI)
    {
        Pelloris::EntityManager::GetInstance()->AddShip(ship, fraction);
        if (Pelloris::ShipEntity* entity = ship->GetEntity())
            entity->SetInitialTask(task);
    }
    ship->EnableTurrets(turrets != 0);
}

void SingleLevel::ParsePlayerTable(const Table& entry)
{
    if (PlayerShip* ship = _player ? _player->GetShip() : nullptr)
        ship->SetPose(PoseOf(entry));
}

void SingleLevel::ParseObjectTable(const Table& entry)
{
    char prototype[TextSize] = {};
    char name[TextSize] = {};
    if (!entry.GetString("prototype", prototype, sizeof prototype))
        return;
    const bool named = entry.GetString("name", name, sizeof name);
    // The level's large asteroids are thinned out by the game setting.
    if (std::strcmp(prototype, "ast_m_a") == 0 && ++_asteroidCounter % AsteroidDivisor() != 0)
        return;
    Object* object = CreateObject(prototype, named ? name : nullptr);
    if (!object)
        return;
    const Matrix pose = PoseOf(entry);
    if (std::strcmp(prototype, "ast_l_a") == 0)
        AddObstacle(pose.Pos(), 2400);
    else if (std::strcmp(prototype, "ast_l_b") == 0)
        AddObstacle(pose.Pos(), 1500);
    object->SetPose(pose);
}

// Track names are the mission's own and leave the name table with it; a level that names more
// tracks than the table holds is read no further.
bool SingleLevel::ParseTrackTable(const Table& entry)
{
    char text[TextSize] = {};
    const bool named = entry.GetString("name", text, sizeof text);
    const Name name = _trackNames.Take(text);
    if (text[0] && !name.IsValid())
    {
        Dumper::Instance().Print(DUMP_ERROR, "SingleLevel: the name table has no room for the track \"%s\"\n", text);
        return false;
    }
    Track* track = CreateTrack();
    track->SetConstrainedSpeed(Track::NoSpeedLimit);
    if (named)
        track->SetName(name);
    // Only a speed written as text counts.
    if (entry.GetString("speed", text, sizeof text))
        track->SetConstrainedSpeed(static_cast<float>(std::atof(text)));
    for (const std::string& key : MemberKeys(entry))
    {
        Table point;
        if (!StartsWith(key.c_str(), "Point") || !entry.GetTable(key.c_str(), point))
            continue;
        int index = 0;
        point.GetNumber("i", index);
        Vec3 position(0, 0, 0);
        point.GetNumber("x", position.x);
        point.GetNumber("y", position.y);
        point.GetNumber("z", position.z);
        track->AddPoint(position, static_cast<unsigned>(index));
    }
    track->PostInitialize();
    return true;
}

void SingleLevel::ParseDebrisTable(const Table& entry)
{
    char type[TextSize] = {};
    if (!entry.GetString("type", type, sizeof type))
        return;
    float radius = 0;
    int number = 0;
    entry.GetNumber("radius", radius);
    entry.GetNumber("number", number);
    CreateDebrisField(ReadVector(entry, "position", Vec3(0, 0, 0)), radius, eDebrisType(EntryDebrisType(type)), number);
}
