#pragma once
// A mission of the test's own with a logic file of the test's own, on the game started once for
// the suite: the level file's ships and objects exist when the logic is read.
#include <string>

#include "CoreTestSupport.h"
#include "MissionFixture.h"
#include "foundation/math/Vec3.h"

class Actor;
class LevelLogic;
class Ship;
class Trigger;
class TriggerSystem;

class LogicMission : public MissionFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the level with the logic and reads the level file to its end; the logic is read
    // then, and no mission frame has run yet.
    void StartLogic(const std::string& levelText, const std::string& logicText);
    // One mission frame, which runs the logic once.
    void Frame(float seconds = 0.5f) { MissionFixture::Frame(seconds); }

    LevelLogic& Logic() const;
    TriggerSystem& Triggers() const;
    Trigger& TriggerAt(int index) const;
    Actor* Named(const char* name) const;
    Ship* ShipNamed(const char* name) const;

    LogWatch log;
};

// A level entry of a ship of the demo data's type with that name at the position.
std::string ShipEntry(const std::string& name, const std::string& prototype, const std::string& fraction,
                      const Vec3& position, const std::string& extra = "");
// The same of a Ytg fighter.
std::string FighterEntry(const std::string& name, const Vec3& position, const std::string& extra = "");
// A level entry of an object of the demo data's type with that name at the position.
std::string ObjectEntry(const std::string& name, const std::string& type, const Vec3& position);
// "LevelLogic.Trigger<key> = { name = "<name>"; isEnable = 1; <body> };"
std::string TriggerEntry(const std::string& key, const std::string& name, const std::string& body);
