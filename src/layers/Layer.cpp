#include "layers/Layer.h"

#include <algorithm>

namespace {

// The one way a layer leaves the tree: it lets go of what it holds, then it is destroyed.
void Release(std::unique_ptr<Layer>& layer)
{
    layer->PrepareToRelease();
    layer.reset();
}

} // namespace

Layer::Layer(const char* name) : Layer(name, LT_LAYER) {}

Layer::Layer(const char* name, eLayerType type) : _type(type), _name(name ? name : "") {}

Layer::Layer(const char* name, eLayerType type, const Vec2& pos, const Vec2& size, float angle, const Color& color)
    : _type(type), _pos(pos), _size(size), _color(color), _angle(angle), _name(name ? name : "")
{}

Layer::~Layer() { RemoveAllChlds(); }

void Layer::SetUV(const Vec2& uv0, const Vec2& uv1, const Vec2& uv2, const Vec2& uv3)
{
    _uv[0] = uv0;
    _uv[1] = uv1;
    _uv[2] = uv2;
    _uv[3] = uv3;
}

void Layer::AddChild(Layer* child)
{
    if (child)
        _childs.emplace_back(child);
}

void Layer::RemoveChild(Layer* child)
{
    auto found = std::find_if(_childs.begin(), _childs.end(),
                              [child](const std::unique_ptr<Layer>& c) { return c.get() == child; });
    if (found == _childs.end())
        return;
    Release(*found);
    _childs.erase(found);
}

void Layer::BringChildToFront(Layer* child)
{
    auto found = std::find_if(_childs.begin(), _childs.end(),
                              [child](const std::unique_ptr<Layer>& c) { return c.get() == child; });
    if (found != _childs.end())
        std::rotate(found, found + 1, _childs.end());
}

void Layer::RemoveAllChlds()
{
    for (std::unique_ptr<Layer>& child : _childs)
        Release(child);
    _childs.clear();
}

Layer* Layer::GetChildByName(const char* name) const
{
    if (!name)
        return nullptr;
    for (const std::unique_ptr<Layer>& child : _childs)
    {
        if (child->_name == name)
            return child.get();
    }
    return nullptr;
}

int Layer::GetChildsCount(bool recursive) const
{
    int count = static_cast<int>(_childs.size());
    for (const std::unique_ptr<Layer>& child : _childs)
        count += child->GetChildsCount(recursive);
    return count;
}

void Layer::DrawChilds()
{
    Draw();
    for (const std::unique_ptr<Layer>& child : _childs)
    {
        if (child->_visible)
            child->DrawChilds();
    }
}

void Layer::OnDeviceRestoreChilds()
{
    OnDeviceRestore();
    for (const std::unique_ptr<Layer>& child : _childs)
        child->OnDeviceRestoreChilds();
}

void Layer::Update()
{
    for (const std::unique_ptr<Layer>& child : _childs)
        child->Update();
}
