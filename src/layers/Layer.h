#pragma once

#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"

#include <memory>
#include <string>
#include <vector>

// What a layer is, set by the concrete class.
enum eLayerType : int
{
    LT_LAYER = 0,
    LT_SPRITE = 1,
    LT_FLASH = 2,
    LT_LINE = 3,
};

// A node of the 2D screen tree drawn over the 3D scene: a quad's position, size, colour,
// texture coordinates and rotation, and the child layers it owns, drawn after it in order.
// A plain layer draws nothing itself; it groups and hides its children.
class Layer
{
public:
    explicit Layer(const char* name);
    // Children are released (PrepareToRelease) and destroyed with their parent.
    virtual ~Layer();
    // Copies would share their children, and so destroy them twice.
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    virtual void Draw() {}
    virtual void OnDeviceRestore() {}
    virtual bool IsReadyToRelease() { return true; }
    virtual void PrepareToRelease() {}

    void SetPos(const Vec2& pos) { _pos = pos; }
    const Vec2& GetPos() const { return _pos; }
    void SetSize(const Vec2& size) { _size = size; }
    const Vec2& GetSize() const { return _size; }
    void SetScale(const Vec2& scale) { _scale = scale; }
    void SetAngle(float angle) { _angle = angle; }
    float GetAngle() const { return _angle; }
    void SetColor(const Color& color) { _color = color; }
    const Color& GetColor() const { return _color; }
    void SetVisible(bool visible) { _visible = visible; }
    bool GetVisible() const { return _visible; }
    void SetPosAutoScale(bool autoScale) { _posAutoScale = autoScale; }
    // Corners bottom-left, top-left, bottom-right, top-right.
    void SetUV(const Vec2& uv0, const Vec2& uv1, const Vec2& uv2, const Vec2& uv3);
    const Vec2& GetUV(int corner) const { return _uv[corner]; }

    const char* GetName() const { return _name.c_str(); }
    eLayerType GetType() const { return _type; }

    // The parent owns the child from now on.
    void AddChild(Layer* child);
    // Releases and destroys a direct child; anything else is left alone.
    void RemoveChild(Layer* child);
    void RemoveAllChlds();
    // Moves a direct child to the end of the list, so that it is drawn over its siblings;
    // anything else is left alone.
    void BringChildToFront(Layer* child);
    // The first direct child of that name (exact), or null.
    Layer* GetChildByName(const char* name) const;
    // Direct children plus, recursively, theirs.
    int GetChildsCount(bool recursive = true) const;
    // The direct children in drawing order.
    const std::vector<std::unique_ptr<Layer>>& GetChilds() const { return _childs; }

    // This layer, then every visible child's subtree in order.
    void DrawChilds();
    // This layer and every child's subtree, visible or not.
    void OnDeviceRestoreChilds();
    // Calls Update on every child and does nothing else.
    void Update();

protected:
    Layer(const char* name, eLayerType type);
    Layer(const char* name, eLayerType type, const Vec2& pos, const Vec2& size, float angle, const Color& color);

    std::vector<std::unique_ptr<Layer>> _childs;
    eLayerType _type;
    Vec2 _pos{0.0f, 0.0f};
    Vec2 _size{0.0f, 0.0f};
    Color _color{1.0f, 1.0f, 1.0f, 1.0f};
    bool _visible = true;
    Vec2 _uv[4] = {{0.0f, 1.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};
    float _angle = 0.0f;
    Vec2 _scale{1.0f, 1.0f};
    bool _posAutoScale = false;
    std::string _name;
};
