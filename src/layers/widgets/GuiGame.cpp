#include "layers/widgets/GuiGame.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "game/core/game/Game.h"
#include "game/core/texts/GameTexts.h"
#include "game/profiles/ProfileManager.h"
#include "layers/LayerManager.h"

namespace GuiGame {

const char* Text(const char* code)
{
    if (!code)
        return "";
    const GameTexts* texts = game.GetGameTextsSystem();
    return texts ? texts->GetTextByCode(code) : code;
}

UserProfile* CurrentProfile()
{
    const ProfileManager* profiles = game.GetProfileManager();
    return profiles ? profiles->GetCurrent() : nullptr;
}

Material* LoadMaterial(const char* file)
{
    MaterialSystem* system = LayerManager::GetMaterialSystem();
    MaterialMgr* materials = system ? system->GetMaterialMgr() : nullptr;
    return materials && file ? materials->CreateMaterialFromFile(file) : nullptr;
}

} // namespace GuiGame
