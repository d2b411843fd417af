#pragma once
// The frame "level": one mission. LoadLevel names the level, description and logic files and
// activates the frame; initialising the frame starts the mission and its first frames read the
// level file a few entries at a time behind the loading screen; then each frame runs physics,
// telegrams, the AI, every actor, the player and the logic. The frame owns everything that
// lives in a mission: the physics space, the telegram queue, the player, the logic, the pause
// menu, the loading screen, every actor (the registry, and the graveyard of actors removed
// with deferred deletion), the tracks and the AI's obstacles. Actors reach it through
// `game.GetLevel()` and are made through its factories.
#include <memory>
#include <string>
#include <vector>

#include "foundation/base/Name.h"
#include "foundation/base/NameLease.h"
#include "foundation/math/Matrix.h"
#include "foundation/math/Quaternion.h"
#include "foundation/math/Sphere.h"
#include "foundation/math/Vec2.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/messages/Message.h"
#include "game/world/effects/ExplosionType.h"
#include "game/world/environment/DebrisType.h"
#include "scene/nodes/IDebugRenderable.h"

class Actor;
class Bone;
class Debris;
class DebrisField;
class DynamicLight;
class Explosion;
class ExplosionWave;
class LevelLogic;
class LevelMenu;
class LevelProgress;
class Material;
class MessageDispatcher;
class Model;
class Object;
class ParticleEffect;
class PhysSparks;
class PhysicsSpace;
class Player;
class Rays;
class Ship;
class ShipPart;
class Sprite;
class Table;
class TableIterator;
class Track;
class Turret;
class Weapon;
struct Color;

class SingleLevel : public GameFrame, public IDebugRenderable
{
public:
    static constexpr size_t PathSize = 128; // paths of up to 127 characters

    SingleLevel(GameFrameManager* manager, const char* name);
    ~SingleLevel() override;

    // "levels\" and each name; with any name null, the current profile's current level. Then
    // activates the frame, which reads the files when it starts. A level, description or logic
    // file that does not run ends the mission with a logged error, and the menus come back: the
    // mission selection, or the main menu for a mission named on the command line.
    void LoadLevel(const char* level, const char* desc, const char* logic);
    // Reads "levels\<name>" at once, without the loading screen.
    void LoadSubLevel(const char* name);
    // Placed ships get no AI; destructible objects get a single sphere body.
    void SetDisableAI(bool disable) { _disableAI = disable; }
    bool IsDisableAI() const { return _disableAI; }

    bool IsExist() const { return _exist; }
    bool IsLoaded() const { return _loaded; }
    // The last mission's files did not load; the frame leaves for the menus.
    bool IsFailed() const { return _failed; }
    PhysicsSpace* GetSpace() const { return _space; }
    Player* GetPlayer() const { return _player.get(); }
    LevelLogic* GetLogic() const { return _logic.get(); }
    float GetTime() const { return _time; }
    LevelMenu* GetLevelMenu() const { return _levelMenu.get(); }
    LevelProgress* GetProgressScreen() const { return _progressScreen.get(); }
    eDebrisType GetDebrisType() const { return _debrisType; }
    const char* GetLevelFile() const { return _levelFile; }
    const char* GetDescFile() const { return _descFile; }
    const char* GetLogicFile() const { return _logicFile; }
    // The white cover's opacity in the next frame: 1 at the end of loading, fading to 0 over
    // two seconds.
    float GetFadeAlpha() const;

    // Names the actor when a name is given, initialises it and appends it to the registry.
    void CreateActor(Actor* actor, const char* name);
    // Tells the logic, flags the actor deleted, shuts it down and takes it out of the registry;
    // then frees it (now) or keeps it until the mission ends. An actor that is not in the
    // registry (already destroyed, or never registered) is left alone.
    void DestroyActor(Actor* actor, bool now);
    // Exact name.
    Actor* GetActor(const char* name) const;
    // The caller keeps the index below GetActorsCount().
    Actor* GetActor(unsigned index) const { return _actors[index]; }
    unsigned GetActorsCount() const { return static_cast<unsigned>(_actors.size()); }
    // The index-th actor, in registry order, whose class name matches ignoring case.
    Actor* GetActorByClassname(const char* classname, unsigned index) const;
    unsigned GetActorCountByClassname(const char* classname) const;
    // Whether the actor is in the registry: a pointer kept across frames is checked before use.
    bool HasActor(const Actor* actor) const;

    Track* CreateTrack();
    Track* GetTrackByName(Name name) const;
    unsigned GetTracksCount() const { return static_cast<unsigned>(_tracks.size()); }
    const std::vector<Track*>& GetTracks() const { return _tracks; }

    // Static spheres the AI steers around.
    void AddObstacle(const Vec3& centre, float radius);
    const Sphere* GetObstacle(unsigned index) const { return &_obstacles[index]; }
    unsigned GetObstacleCount() const { return static_cast<unsigned>(_obstacles.size()); }

    // To the player ship's main model (the camera's position without one).
    float DistanceToCamera(const Vec3& position) const;
    float DistanceToCameraSquared(const Vec3& position) const;

    // Queues a telegram; the payload passes with it. Without a mission it is dropped.
    void SendMessage(Actor* sender, Actor* receiver, eMessage type, Message* payload, float delay);
    // Moves the centre a little at random, then pushes every destructible ship part.
    void AddForceByExplosion(Vec3 centre, float a, float b, float c);

    // Each factory makes the actor, registers it and returns it. A type the game data lacks
    // gives null and a logged error.
    Ship* CreateShip(const char* prototype, const char* fraction, const char* name);
    Object* CreateObject(const char* prototype, const char* name);
    Weapon* CreateWeapon(const char* weapon, Actor* owner, int firstBoneIndex, Model* model, int firePoints);
    Turret* CreateTurret(const char* name, Bone* bone, Actor* owner);
    ShipPart* CreateShipPart(Bone* bone, const Vec3& offset);
    ShipPart* CreateShipPartByModel(Model* model);
    Sprite* CreateSprite(Material* material, const Vec3& position, float size, const Vec2& firstCell,
                         unsigned frameCount, float frameTime);
    DynamicLight* CreateDynamicLight(const Vec3& position, const Color& color, float range, float intensity,
                                     float lifetime);
    PhysSparks* CreatePhysSparks(const Vec3& position, int count);
    ExplosionWave* CreateExplosionDistortion(const Vec3& position, float startSize, float endSize, float duration);
    Rays* CreateRays(const Vec3& position, float startSize, float endSize, float duration);
    Explosion* CreateExplosion(const Matrix& pose, float radius, float second, eExplosionType type, bool wave);
    DebrisField* CreateDebrisField(const Vec3& centre, float radius, eDebrisType type, int number);
    Debris* CreateDebris(const Vec3& position, const Vec3& velocity, eDebrisType type, bool expires);
    ParticleEffect* CreateParticleEffect(const char* file, const Vec3& position, const Quaternion& orientation,
                                         bool endless, Bone* parent, const Vec3& drift);

    // To the pause menu.
    void EventSelectUp() override;
    void EventSelectDown() override;
    void EventSelectLeft() override;
    void EventSelectRight() override;
    void EventSelectApply() override;
    void EventSelectDecline() override;

    void OnRender(eSceneLayerType, Camera*, MaterialSystem*) override {}

protected:
    void UserInitialize() override;
    // One loading step while the level file is read, else one mission frame.
    void UserProceed(float seconds) override;
    void UserShutDown() override;

private:
    void SetDefault();
    // Frees everything the mission made; the file names stay for a retry.
    void EndMission();
    // Logs the file that does not load and ends the mission; the next frame leaves it.
    void Abandon(const char* path);
    void LeaveForMenus();
    void CreateSpace();
    void CreateMessageDispatcher();
    void CreateAIManager();
    void CreatePlayer();
    // Both false when the file does not run; without a script machine nothing is read.
    bool ParseLevelDescScript(const char* path);
    bool ParseLevelScript(const char* path);
    void ParseLevelScriptProceed();
    void EndLoading();
    void ParseSubLevelScript(const char* path);
    // One "obj" entry of a level table, by its "classname". False, logged, when the level can be
    // read no further: the name table has no room for its track names.
    bool ParseEntry(const Table& entry);
    void ParseShipTable(const Table& entry);
    void ParsePlayerTable(const Table& entry);
    void ParseObjectTable(const Table& entry);
    bool ParseTrackTable(const Table& entry);
    void ParseDebrisTable(const Table& entry);
    void LoadAdditionalResources();
    void DrawFade(float spf);

    char _levelFile[PathSize] = {};
    char _descFile[PathSize] = {};
    char _logicFile[PathSize] = {};
    bool _disableAI = false;
    bool _chosenInMenus = false; // the files came from the current profile's level
    bool _failed = false;
    bool _leaving = false; // the failed mission has asked for the menus
    eDebrisType _debrisType = DEBRIS_ROCK;
    bool _exist = false;
    float _time = 0; // seconds of mission time
    std::unique_ptr<Player> _player;
    std::unique_ptr<MessageDispatcher> _dispatcher;
    PhysicsSpace* _space = nullptr; // released through ReleasePhysicsSpace
    std::unique_ptr<LevelLogic> _logic;
    std::unique_ptr<LevelProgress> _progressScreen;
    std::vector<Actor*> _actors;    // owned
    std::vector<Actor*> _graveyard; // owned; shut down, freed at the end of the mission
    std::vector<Track*> _tracks;    // owned
    NameLease _trackNames;          // given back when the mission ends
    std::vector<Sphere> _obstacles;
    std::unique_ptr<LevelMenu> _levelMenu;
    bool _loaded = false;
    float _progress = 0;     // per cent of the level table visited
    float _progressStep = 0; // per cent per member
    int _lastReportedProgress = -1;
    // The level table's member keys in table order, and the next one to read.
    std::unique_ptr<Table> _levelTable;
    std::vector<std::string> _levelKeys;
    size_t _loadCursor = 0;
    Material* _fadeMaterial = nullptr;
    float _fadeTime = 0;
    int _asteroidCounter = 0;
};
