#include "game/core/catalogue/LevelObjectInfo.h"

void LevelObjectInfo::Initialize()
{
    _properties.GetString("name", _name, sizeof _name);
    _properties.GetString("classname", _classname, sizeof _classname);
    _properties.GetString("prototype", _prototype, sizeof _prototype);
}
