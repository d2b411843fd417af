#include "RaceShipSupport.h"

#include <cstdio>
#include <string>

#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/races/YtgShips.h"

Ship* RaceShipMission::Spawn(const char* prototype, const Vec3& position)
{
    Ship* ship = Level().CreateShip(prototype, "test", prototype);
    if (!ship)
        return nullptr;
    Matrix pose = Matrix::Ident();
    pose.Translate(position);
    ship->SetPose(pose);
    return ship;
}

const char* RaceShipMission::TestType(const char* classname, const char* render)
{
    const std::string name = std::string("test_") + classname + "_" + render;
    Base* base = game.GetBase();
    for (int i = 0; i < base->GetShipCount(); ++i)
        if (name == base->GetShipByIndex(i)->name)
            return base->GetShipByIndex(i)->name;
    ShipType* type = base->AddShip();
    std::snprintf(type->name, sizeof type->name, "%s", name.c_str());
    std::snprintf(type->classname, sizeof type->classname, "%s", classname);
    std::snprintf(type->render, sizeof type->render, "%s", render);
    return type->name;
}

const YtgEngines* EnginesOf(const Ship* ship)
{
    const auto* large = dynamic_cast<const ShipYtgLarge*>(ship);
    return large ? &large->GetEngines() : nullptr;
}
