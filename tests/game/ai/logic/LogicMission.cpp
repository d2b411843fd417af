#include "LogicMission.h"

#include "foundation/base/Random.h"
#include "game/ai/LevelLogic.h"
#include "game/core/game/Game.h"
#include "game/world/ships/Ship.h"

void LogicMission::SetUp()
{
    MissionFixture::SetUp();
    EngineSeed(11);
}

void LogicMission::TearDown()
{
    level.SetDisableAI(false);
    MissionFixture::TearDown();
}

void LogicMission::StartLogic(const std::string& levelText, const std::string& logicText)
{
    Start(levelText, "", logicText);
    ASSERT_TRUE(FinishLoading());
    ASSERT_NE(level.GetLogic(), nullptr);
}

LevelLogic& LogicMission::Logic() const { return *level.GetLogic(); }

TriggerSystem& LogicMission::Triggers() const { return level.GetLogic()->GetTriggerSystem(); }

Trigger& LogicMission::TriggerAt(int index) const { return *Triggers().GetTrigger(index); }

Actor* LogicMission::Named(const char* name) const { return level.GetActor(name); }

Ship* LogicMission::ShipNamed(const char* name) const { return dynamic_cast<Ship*>(level.GetActor(name)); }

std::string FighterEntry(const std::string& name, const Vec3& position, const std::string& extra)
{
    char place[96];
    std::snprintf(place, sizeof place, "position = { x = %g; y = %g; z = %g };", position.x, position.y, position.z);
    return "Level.obj_" + name + " = { classname = \"ship\"; prototype = \"ytg_fighter_02\"; name = \"" + name +
           "\"; fraction = \"ytg\"; " + place + " " + extra + " };\n";
}

std::string ObjectEntry(const std::string& name, const std::string& type, const Vec3& position)
{
    char place[96];
    std::snprintf(place, sizeof place, "position = { x = %g; y = %g; z = %g };", position.x, position.y, position.z);
    return "Level.obj_" + name + " = { classname = \"object\"; prototype = \"" + type + "\"; name = \"" + name +
           "\"; " + place + " };\n";
}

std::string TriggerEntry(const std::string& key, const std::string& name, const std::string& body)
{
    return "LevelLogic.Trigger" + key + " = { name = \"" + name + "\"; isEnable = 1; " + body + " };\n";
}
