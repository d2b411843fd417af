#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

class Material;
class MaterialSystem;
class RenderScene;
class Texture;

// One screen-aligned quad of a post effect: its material, and the target it draws into (null:
// the back buffer). A borrowed target belongs to an earlier pass of the same effect.
struct PPPass
{
    Material* material = nullptr;
    Texture* target = nullptr;
    bool borrowedTarget = false;
};

// A full-screen effect of the post chain, made of passes. Enable, then Initialize builds the
// passes (0: the effect cannot run); Render draws them, leaving the back buffer as the target.
// An enabled effect releases the targets and materials it made.
class PPEffect
{
public:
    PPEffect(RenderScene* scene, unsigned passCount);
    virtual ~PPEffect();
    PPEffect(const PPEffect&) = delete;
    PPEffect& operator=(const PPEffect&) = delete;

    virtual int Initialize() = 0;
    virtual int Enable();
    virtual void Render() {}
    virtual const char* GetName() const = 0;

    const PPPass& GetPass(unsigned index) const { return _passes[index]; }
    unsigned GetPassCount() const { return static_cast<unsigned>(_passes.size()); }

protected:
    // A 256 x 256 colour target.
    Texture* NewTarget(const char* name);
    // Pass `index`: a new material of the name with the flags, its inputs by semantic and the
    // shader; false when the shader is not in the library.
    bool SetPass(unsigned index, const char* material, Texture* target, bool borrowed, unsigned flags,
                 std::initializer_list<std::pair<const char*, Texture*>> inputs, const char* shader);
    void DrawPass(unsigned index);
    // The texels of a colour target as 0xAARRGGBB, rows top first; false when it cannot be read.
    bool ReadTarget(Texture* target, std::vector<uint32_t>& texels) const;

    MaterialSystem* _materialSystem;
    RenderScene* _scene;

private:
    std::vector<PPPass> _passes;
    bool _ownsPasses = false;
};
