#pragma once

#include "MaterialSystem/shaders/LightSources.h"
#include "scene/nodes/Renode.h"

class MeshRenderable;

// A point light reaching `range` around its parent bone, drawn by the deferred lighting stage
// with one of the scene's three omni shapes (a sphere per level of detail).
class Omni : public Renode, public OmniSource
{
public:
    static constexpr unsigned ShapeCount = 3;

    Omni(Group* root, RenderScene* scene);
    ~Omni() override;

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_OMNI; }
    void WriteToDesc(NodeDesc& desc) const override;
    void ReadFromDesc(const NodeDesc& desc) override;
    // Also notes whether the camera is inside the light's sphere.
    void UpdateCameraBasedParams(Camera* camera, unsigned maxLod) override;
    // The light sits at the matrix's position; the bounds are the box around its sphere.
    void UpdateBounds(const Matrix& parentWorld) override;

    void SetDiffuse(const Color& color) { diffuse = color; }
    void SetSpecular(const Color& color) { specular = color; }
    void SetAttenuation(const Color& color) { attenuation = color; }
    void SetRange(float value) { range = value; }
    void SetIntensity(float value) { intensity = value; }
    const Color& GetDiffuse() const { return diffuse; }
    const Color& GetSpecular() const { return specular; }
    const Color& GetAttenuation() const { return attenuation; }
    float GetRange() const { return range; }
    float GetIntensity() const { return intensity; }
    bool IsInside() const { return _inside; }
    // The shape of the current level of detail; null when the scene has no shape mesh.
    MeshRenderable* GetShape() const { return _shapes[_currentLod < ShapeCount ? _currentLod : 0]; }
    const OmniSource& GetSourceData() const { return *this; }

private:
    MeshRenderable* _shapes[ShapeCount] = {};
    bool _inside = false;
};
