#include "gui/hangar/HangarGui.h"

#include "MaterialSystem/MaterialSystem.h"
#include "game/core/game/Game.h"
#include "layers/LayerManager.h"
#include "services/sound/SoundEngine.h"

namespace HangarGui {

float Spf() { return game.GetSPF(); }

void Sound(const char* name)
{
    if (SoundEngine* sound = game.GetSoundEngine())
        sound->CreateSound2D(name, true, -1.0f);
}

void Quad(Material* material, const Vec2& pos, const Vec2& size, const Color& color, float angle)
{
    static const Vec2 uv[4] = {{0.0f, 1.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};
    if (material)
        LayerManager::RenderQuad(material, pos, size, uv, angle, color);
}

void MirroredQuad(Material* material, const Vec2& pos, const Vec2& size, const Color& color)
{
    static const Vec2 uv[4] = {{1.0f, 1.0f}, {1.0f, 0.0f}, {0.0f, 1.0f}, {0.0f, 0.0f}};
    if (material)
        LayerManager::RenderQuad(material, pos, size, uv, 0.0f, color);
}

void Text(const char* face, unsigned height, unsigned width, const char* text, float left, float top, float right,
          float bottom, const Color& color, bool centred)
{
    if (MaterialSystem* system = LayerManager::GetMaterialSystem())
        system->DrawD3DText(face, height, width, 400, false, text, Vec4(left, top, right, bottom),
                            centred ? TA_CENTER : TA_TOP_LEFT, false, color);
}

} // namespace HangarGui
