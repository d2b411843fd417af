#include "layers/widgets/GuiWidget.h"

#include "foundation/base/Dumper.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/flash/FlashControl.h"

#include <cstring>

namespace Gui {

namespace {

const Color White(1.0f, 1.0f, 1.0f, 1.0f);

// Layers live in the tree; one with nowhere to go is not made.
bool HasParent(Layer* parent, const char* name)
{
    if (!parent)
        Dumper::Instance().Print(DUMP_ERROR, "Widget layer \"%s\" has no parent layer and is not made\n", name);
    return parent != nullptr;
}

} // namespace

Vec2 ScreenPos(const Vec2& design, int align)
{
    Vec2 pos = design * LayerManager::GetScaleFactor();
    if (align == GA_RIGHT)
        pos.x += LayerManager::GetRAShift(true);
    else if (align == GA_CENTER)
        pos.x += LayerManager::GetCAShift(true);
    return pos;
}

Vec2 ScreenSize(const Vec2& design) { return design * LayerManager::GetScaleFactor(); }

Layer* ParentOrRoot(Layer* parent) { return parent ? parent : LayerManager::GetRoot(); }

FlashLayer* AddFlash(Layer* parent, const char* name, const char* movie, const Vec2& pos, const Vec2& size)
{
    if (!HasParent(parent, name))
        return nullptr;
    FlashLayer* layer = LayerManager::CreateFlashLayer(name, movie, pos, size, 0.0f, White);
    parent->AddChild(layer);
    return layer;
}

SpriteLayer* AddSprite(Layer* parent, const char* name, const Vec2& pos, const Vec2& size, Material* material)
{
    if (!HasParent(parent, name))
        return nullptr;
    auto* layer = new SpriteLayer(name, material, pos, size, 0.0f, White);
    parent->AddChild(layer);
    return layer;
}

void Call(FlashLayer* layer, const wchar_t* function, const FlashHost::Args& args)
{
    if (layer && layer->GetFC())
        layer->GetFC()->callFunction(function, args);
}

bool CallOnChange(FlashLayer* layer, GuiTextCache& cache, const wchar_t* function, const char* text)
{
    if (!cache.Change(text))
        return false;
    Call(layer, function, FlashHost::Args(cache.Get()));
    return true;
}

void CallOnChange(FlashLayer* layer, int& cache, const wchar_t* function, int value)
{
    if (value == cache)
        return;
    cache = value;
    Call(layer, function, FlashHost::Args(value));
}

void SetPos(Layer* layer, const Vec2& pos)
{
    if (layer)
        layer->SetPos(pos);
}

void SetMaterial(SpriteLayer* layer, Material* material)
{
    if (layer)
        layer->SetMaterial(material);
}

void SetAlpha(std::initializer_list<Layer*> layers, float alpha)
{
    for (Layer* layer : layers)
    {
        if (layer)
            layer->SetColor(Color(1.0f, 1.0f, 1.0f, alpha));
    }
}

void SetVisible(std::initializer_list<Layer*> layers, bool visible)
{
    for (Layer* layer : layers)
    {
        if (layer)
            layer->SetVisible(visible);
    }
}

void BringToFront(Layer* parent, std::initializer_list<Layer*> layers)
{
    if (!parent)
        return;
    for (Layer* layer : layers)
    {
        if (layer)
            parent->BringChildToFront(layer);
    }
}

void Detach(Layer* parent, Layer* layer)
{
    if (parent && layer)
        parent->RemoveChild(layer);
}

void CopyText(char* out, size_t size, const char* text)
{
    if (size == 0)
        return;
    size_t length = text ? strnlen(text, size) : 0;
    if (length == size)
    {
        length = size - 1;
        // Back to the first byte of the character that was cut.
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memmove(out, text ? text : "", length);
    out[length] = '\0';
}

} // namespace Gui

bool GuiTextCache::Change(const char* text)
{
    char cut[Size];
    Gui::CopyText(cut, Size, text);
    if (std::strcmp(cut, _text) == 0)
        return false;
    std::memcpy(_text, cut, Size);
    return true;
}
