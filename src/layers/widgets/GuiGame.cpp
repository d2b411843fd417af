#include "layers/widgets/GuiGame.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "layers/LayerManager.h"

namespace GuiGame {

namespace {

// Plain function pointers, constant-initialised: valid before any constructor and after every
// destructor of the process.
constinit Source installed{};

} // namespace

void Install(const Source& source) { installed = source; }

const char* Text(const char* code)
{
    if (!code)
        return "";
    return installed.text ? installed.text(code) : code;
}

bool CurrentPilot(Pilot& pilot) { return installed.pilot && installed.pilot(pilot); }

const char* RaceIcon(const char* code) { return installed.raceIcon && code ? installed.raceIcon(code) : nullptr; }

Material* LoadMaterial(const char* file)
{
    MaterialSystem* system = LayerManager::GetMaterialSystem();
    MaterialMgr* materials = system ? system->GetMaterialMgr() : nullptr;
    return materials && file ? materials->CreateMaterialFromFile(file) : nullptr;
}

} // namespace GuiGame
