#pragma once

#include "platform/effect/EffectTypes.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class Shader;
class Texture;
struct Color;
struct Matrix;
struct Vec3;
namespace fx {
class Effect;
}

// One value of a parameter set, bound to an effect parameter by its semantic.
struct ShaderVar
{
    enum eType : int
    {
        TYPE_INT = 0,
        TYPE_FLOAT = 1,
        TYPE_VECTOR = 2,
        TYPE_COLOR = 3,
        TYPE_MATRIX = 4,
        TYPE_TEXTURE = 5
    };

    eType type = TYPE_FLOAT;
    fx::Handle handle = fx::kNoHandle; // resolved on the bound effect
    bool byReference = false;
    int intValue = 0;
    float value[16] = {}; // float, vector, colour or matrix
    Texture* texture = nullptr;
    const void* reference = nullptr; // the caller's variable, which must outlive the set
};

// A named set of values applied to an effect before drawing. Values are held by value (recorded
// into a parameter block once and replayed) or by reference (read at every apply).
class ShaderParams
{
public:
    enum eBindFlags : unsigned long
    {
        BIND_RESOLVE = 0x01,          // resolve every handle on the new effect
        BIND_COLLECT_DEFAULTS = 0x02, // add the effect's parameters with semantics by value
        BIND_DEFAULT_TEXTURES = 0x04, // not supported
    };
    enum eChangeFlags : unsigned long
    {
        CHANGED_VALUE = 0x01,
        CHANGED_VALUES = 0x02,
        CHANGED_REFERENCES = 0x04,
        RESOLVE_REFERENCES = 0x08,
    };

    ShaderParams();
    virtual ~ShaderParams();
    ShaderParams(const ShaderParams&) = delete;
    ShaderParams& operator=(const ShaderParams&) = delete;

    virtual void ClearParams();
    virtual void Update(unsigned long flags);
    virtual void BindShader(Shader* shader, unsigned long flags);
    virtual void ApplyToShader(void* context);

    // By value: an existing value of the name is replaced.
    ShaderVar* AddInt(const char* name, int value);
    ShaderVar* AddFloat(const char* name, float value);
    ShaderVar* AddVector(const char* name, const Vec3& value);
    ShaderVar* AddColor(const char* name, const Color& value);
    ShaderVar* AddMatrix(const char* name, const Matrix& value);
    ShaderVar* AddTexture(const char* name, Texture* value);
    // Change an existing by-value variable of that name and type; anything else does nothing.
    void SetInt(const char* name, int value);
    void SetFloat(const char* name, float value);
    void SetVector(const char* name, const Vec3& value);
    void SetColor(const char* name, const Color& value);
    void SetMatrix(const char* name, const Matrix& value);
    void SetTexture(const char* name, Texture* value);
    void Remove(const char* name);

    // By reference.
    ShaderVar* AddIntRef(const char* name, const int* value);
    ShaderVar* AddFloatRef(const char* name, const float* value);
    ShaderVar* AddVectorRef(const char* name, const Vec3* value);
    ShaderVar* AddColorRef(const char* name, const Color* value);
    ShaderVar* AddMatrixRef(const char* name, const Matrix* value);
    void RemoveRef(const char* name);

    // Binds the library's proxy shader and resolves every handle.
    void BindDefaultShader();
    Shader* GetBindedShader() const { return _shader; }
    fx::Effect* GetEffect() const { return _effect; }
    unsigned long GetChangeFlags() const { return _changes; }
    void ClearChangeFlags() { _changes = 0; }

    unsigned GetTextureCount() const { return static_cast<unsigned>(_textures.size()); }
    Texture* GetTextureByIndex(unsigned i) const { return i < _textures.size() ? _textures[i] : nullptr; }
    // The by-value variable of that name, or null.
    const ShaderVar* FindValue(const char* name) const;

protected:
    void SetOnEffect(const ShaderVar& var);
    void DeleteBlock();
    void CollectDefaults(unsigned long flags);
    ShaderVar* AddValue(const char* name, ShaderVar::eType type);
    ShaderVar* FindValue(const char* name, ShaderVar::eType type);
    ShaderVar* AddReference(const char* name, ShaderVar::eType type, const void* value);

    fx::Handle _block = fx::kNoHandle;
    std::map<std::string, std::unique_ptr<ShaderVar>> _values; // applied in name order
    std::vector<ShaderVar*> _valueList;                        // insertion order
    std::vector<std::unique_ptr<ShaderVar>> _references;       // insertion order
    std::map<std::string, size_t> _referenceIndex;
    Shader* _shader = nullptr;
    fx::Effect* _effect = nullptr;
    unsigned long _changes = 0;
    std::vector<Texture*> _textures;
};
