#pragma once

#include "MaterialSystem/draw/FontCache.h"
#include "MaterialSystem/draw/ScreenVertex.h"
#include "foundation/math/Vec2.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class FixedPrograms;
class Shader;
class ShaderParams;
namespace gfx {
class Buffer;
class Device;
struct Rect;
} // namespace gfx

// A line of immediate text, kept until the frame is drawn. The caller may change its layer
// and clip rectangle until then.
struct RenderText
{
    int layer = 0;
    std::string text;
    float rect[4] = {};     // left, top, right, bottom
    unsigned format = 0;    // eTextFormat bits
    float clipRect[4] = {}; // left, top, right, bottom, used when `clip` is set
    bool clip = false;
    uint32_t color = 0xFFFFFFFFu;
    FontCache::Entry* font = nullptr;
};

// The screen-space primitives of a frame, in two layers: quads with a material, 2D lines,
// triangles and points, and text. Layer 0 is drawn before layer 1, each in call order. At
// most MaxQuads quads fit a frame; more are dropped with one logged warning a frame.
class ScreenPrims
{
public:
    static constexpr unsigned MaxVertices = 2048;
    static constexpr unsigned MaxQuads = MaxVertices / 4;

    ScreenPrims(gfx::Device& device, FixedPrograms& programs, FontCache& fonts);
    ~ScreenPrims();

    // uv[0..3] go to the corners bottom-left, top-left, bottom-right, top-right; the angle is
    // in degrees. False when the frame's quads are used up.
    bool AddQuad(ShaderParams* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                 uint32_t color, int layer);
    void AddLine(const Vec2& a, const Vec2& b, uint32_t colorA, uint32_t colorB);
    void AddTriangle(const Vec2& a, const Vec2& b, const Vec2& c, uint32_t color);
    void AddPoint(const Vec2& p, uint32_t color);
    RenderText* AddText(FontCache::Entry* font, const char* text, const float rect[4], unsigned format, uint32_t color);

    // Draws the records (when `draw` is set) layer by layer, then forgets them.
    void Flush(bool draw);

    size_t GetRecordCount() const { return _records.size(); }
    unsigned GetVertexCount() const { return _vertexCount; }
    const ScreenVertex* GetVertices() const { return _vertices.data(); }

private:
    enum eKind
    {
        KindText = 1,
        KindQuad = 2,
        KindLine = 3,
        KindTriangle = 4,
        KindPoint = 5
    };
    struct Record
    {
        explicit Record(eKind k) : kind(k) {}
        eKind kind;
        int layer = 0;
        ShaderParams* material = nullptr;
        unsigned firstVertex = 0;
        Vec2 points[3];
        uint32_t colors[3] = {};
        std::unique_ptr<RenderText> text;
    };

    // How much of a quad can change the target.
    enum eCoverage
    {
        CoversNothing,
        CoversPart,
        CoversWhole
    };
    void DrawQuad(const Record& record);
    eCoverage QuadCoverage(const Record& record, const Shader& shader, gfx::Rect& part) const;
    void DrawText(const RenderText& text);
    void DrawShape(const Record& record);
    void SetScreenStates(bool blend);

    gfx::Device& _device;
    FixedPrograms& _programs;
    FontCache& _fonts;
    ScreenVertexStream _stream;
    std::unique_ptr<gfx::Buffer> _quadBuffer;
    std::vector<ScreenVertex> _vertices;
    unsigned _vertexCount = 0;
    std::vector<Record> _records;
    bool _overflowReported = false;
};
