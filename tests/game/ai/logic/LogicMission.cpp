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

namespace {
std::string Place(const Vec3& position)
{
    char place[96];
    std::snprintf(place, sizeof place, "position = { x = %g; y = %g; z = %g };", position.x, position.y, position.z);
    return place;
}
} // namespace

std::string ShipEntry(const std::string& name, const std::string& prototype, const std::string& fraction,
                      const Vec3& position, const std::string& extra)
{
    return "Level.obj_" + name + " = { classname = \"ship\"; prototype = \"" + prototype + "\"; name = \"" + name +
           "\"; fraction = \"" + fraction + "\"; " + Place(position) + " " + extra + " };\n";
}

std::string FighterEntry(const std::string& name, const Vec3& position, const std::string& extra)
{
    return ShipEntry(name, "ytg_fighter_02", "ytg", position, extra);
}

std::string ObjectEntry(const std::string& name, const std::string& type, const Vec3& position)
{
    return "Level.obj_" + name + " = { classname = \"object\"; prototype = \"" + type + "\"; name = \"" + name +
           "\"; " + Place(position) + " };\n";
}

std::string TriggerEntry(const std::string& key, const std::string& name, const std::string& body)
{
    return "LevelLogic.Trigger" + key + " = { name = \"" + name + "\"; isEnable = 1; " + body + " };\n";
}
