#include "MaterialSystem/draw/ScreenPrims.h"

#include "MaterialSystem/draw/FixedPrograms.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderParams.h"
#include "foundation/base/Dumper.h"
#include "platform/effect/Effect.h"
#include "platform/font/TextLayout.h"
#include "platform/gfx/Buffer.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Texture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// Text rectangles come from callers' arithmetic: a NaN or a coordinate past the int range
// must not reach a conversion that is undefined for it.
int ToPixel(float value)
{
    constexpr float Limit = 1.0e7f;
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -Limit, Limit));
}

} // namespace

ScreenPrims::ScreenPrims(gfx::Device& device, FixedPrograms& programs, FontCache& fonts)
    : _device(device), _programs(programs), _fonts(fonts), _stream(device), _vertices(MaxVertices)
{
    _quadBuffer = gfx::Buffer::Create(device, gfx::BufferType::Vertex, gfx::BufferUsage::Dynamic,
                                      MaxVertices * sizeof(ScreenVertex));
}

ScreenPrims::~ScreenPrims() = default;

bool ScreenPrims::AddQuad(ShaderParams* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                          uint32_t color, int layer)
{
    if (_vertexCount + 4 > MaxVertices)
    {
        if (!_overflowReported)
        {
            Dumper::Instance().Print(DUMP_WARNING, "More than %u screen quads in one frame; the rest are dropped\n",
                                     MaxQuads);
            _overflowReported = true;
        }
        return false;
    }
    const float x = pos.x, y = pos.y, w = size.x, h = size.y;
    Vec2 corners[4] = {
        {x - 0.5f, y + h - 0.5f}, {x - 0.5f, y - 0.5f}, {x + w - 0.5f, y + h - 0.5f}, {x + w - 0.5f, y - 0.5f}};
    if (angle != 0.0f)
    {
        const float radius = std::sqrt(w * w + h * h) * 0.5f;
        const float offsets[4] = {225.0f, 315.0f, 135.0f, 45.0f};
        for (int i = 0; i < 4; ++i)
        {
            const float a = (angle + offsets[i]) * std::numbers::pi_v<float> / 180.0f;
            corners[i] = {x + std::trunc(radius * std::cos(a)), y + std::trunc(radius * std::sin(a))};
        }
    }
    for (int i = 0; i < 4; ++i)
    {
        _vertices[_vertexCount + i] = ScreenVertex{corners[i].x, corners[i].y, 0.0f, 1.0f, color, uv[i].x, uv[i].y};
    }
    Record record(KindQuad);
    record.layer = std::clamp(layer, 0, 1);
    record.material = material;
    record.firstVertex = _vertexCount;
    record.points[0] = pos;
    record.points[1] = size;
    _records.push_back(std::move(record));
    _vertexCount += 4;
    return true;
}

void ScreenPrims::AddLine(const Vec2& a, const Vec2& b, uint32_t colorA, uint32_t colorB)
{
    Record record(KindLine);
    record.points[0] = a;
    record.points[1] = b;
    record.colors[0] = colorA;
    record.colors[1] = colorB;
    _records.push_back(std::move(record));
}

void ScreenPrims::AddTriangle(const Vec2& a, const Vec2& b, const Vec2& c, uint32_t color)
{
    Record record(KindTriangle);
    record.points[0] = a;
    record.points[1] = b;
    record.points[2] = c;
    record.colors[0] = record.colors[1] = record.colors[2] = color;
    _records.push_back(std::move(record));
}

void ScreenPrims::AddPoint(const Vec2& p, uint32_t color)
{
    Record record(KindPoint);
    record.points[0] = p;
    record.colors[0] = color;
    _records.push_back(std::move(record));
}

RenderText* ScreenPrims::AddText(FontCache::Entry* font, const char* text, const float rect[4], unsigned format,
                                 uint32_t color)
{
    auto record = std::make_unique<RenderText>();
    record->text = text ? text : "";
    std::copy(rect, rect + 4, record->rect);
    record->format = format;
    record->color = color;
    record->font = font;
    RenderText* result = record.get();
    Record entry(KindText);
    entry.text = std::move(record);
    _records.push_back(std::move(entry));
    return result;
}

void ScreenPrims::Flush(bool draw)
{
    if (draw && !_records.empty())
    {
        if (_vertexCount && _quadBuffer)
        {
            if (void* data = _quadBuffer->Lock(0, _vertexCount * sizeof(ScreenVertex), gfx::LockDiscard))
            {
                std::memcpy(data, _vertices.data(), _vertexCount * sizeof(ScreenVertex));
                _quadBuffer->Unlock();
            }
        }
        for (int layer = 0; layer < 2; ++layer)
        {
            for (const Record& record : _records)
            {
                // A text's layer is the caller's to change until now.
                const int recordLayer = record.kind == KindText ? std::clamp(record.text->layer, 0, 1) : record.layer;
                if (recordLayer != layer)
                    continue;
                switch (record.kind)
                {
                case KindText: DrawText(*record.text); break;
                case KindQuad: DrawQuad(record); break;
                default: DrawShape(record); break;
                }
            }
        }
        _device.SetScissor(false);
        _device.SetBlend(gfx::BlendState());
        _device.SetDepthTest(true);
        _device.SetCullMode(gfx::CullMode::Ccw);
    }
    _records.clear();
    _vertexCount = 0;
    _overflowReported = false;
}

void ScreenPrims::SetScreenStates(bool blend)
{
    _device.SetDepthTest(false);
    _device.SetDepthWrite(false);
    _device.SetCullMode(gfx::CullMode::None);
    gfx::BlendState state;
    if (blend)
    {
        state.enable = true;
        state.source = gfx::BlendFactor::SrcAlpha;
        state.destination = gfx::BlendFactor::InvSrcAlpha;
    }
    _device.SetBlend(state);
}

// A quad is drawn by its material's shader, over the part of it that can change the target; a
// quad without a shader (or whose shader failed) is drawn in its colour.
void ScreenPrims::DrawQuad(const Record& record)
{
    if (!_quadBuffer)
        return;
    Shader* shader = record.material ? record.material->GetBindedShader() : nullptr;
    if (shader && shader->GetD3DEffect())
    {
        const unsigned passes = shader->Begin(0);
        for (unsigned pass = 0; pass < passes; ++pass)
        {
            shader->BeginPass(pass);
            record.material->ApplyToShader(nullptr);
            shader->ApplyChanges();
            gfx::Rect part{};
            const eCoverage coverage = QuadCoverage(record, *shader, part);
            if (coverage == CoversPart)
                _device.SetScissor(true, &part);
            if (coverage != CoversNothing)
            {
                _stream.Bind(_quadBuffer.get());
                _device.DrawPrimitive(gfx::PrimitiveType::TriangleStrip, record.firstVertex, 2);
            }
            if (coverage == CoversPart)
                _device.SetScissor(false);
            shader->EndPass();
        }
        shader->End();
        return;
    }
    SetScreenStates(true);
    _programs.UseScreen(nullptr, FixedPrograms::TOP_DIFFUSE);
    _stream.Bind(_quadBuffer.get());
    _device.DrawPrimitive(gfx::PrimitiveType::TriangleStrip, record.firstVertex, 2);
}

namespace {

// The pixels, along one axis, of a quad from `near` to `far` (positions of its edges, pixel
// centres at whole numbers) with texture coordinates `nearUv` to `farUv`, whose bilinear samples
// of a texture `texels` wide can read texels first..last (inclusive): first..last come back as
// the range of pixels, false when none. Texel positions past the texture read its edge.
bool PixelsReading(double near, double far, double nearUv, double farUv, unsigned texels, int first, int last,
                   int& pixelFirst, int& pixelLast)
{
    // A sample at s = u * texels - 0.5 reads texels floor(s) and floor(s) + 1; a texel more on
    // either side covers the rounding of s.
    const double low = first == 0 ? -1.0e30 : first - 2.0;
    const double high = last + 1 >= int(texels) ? 1.0e30 : last + 1.0;
    const double scale = (farUv - nearUv) * texels / (far - near);
    const double at = nearUv * texels - 0.5; // s at the near edge
    double from, to;
    if (scale == 0.0)
    {
        if (at < low || at >= high)
            return false;
        from = near;
        to = far;
    }
    else
    {
        from = near + (low - at) / scale;
        to = near + (high - at) / scale;
        if (from > to)
            std::swap(from, to);
    }
    from = std::max(from, std::min(near, far));
    to = std::min(to, std::max(near, far));
    if (from > to)
        return false;
    pixelFirst = int(std::floor(from)) - 1;
    pixelLast = int(std::ceil(to)) + 1;
    return true;
}

} // namespace

// An axis-aligned quad of an effect that draws 0 where its base map is clear, blended so that 0
// leaves the target as it was (the destination kept whole), changes nothing outside the pixels
// whose samples read a texel with alpha.
ScreenPrims::eCoverage ScreenPrims::QuadCoverage(const Record& record, const Shader& shader, gfx::Rect& part) const
{
    const gfx::BlendState& blend = _device.GetBlend();
    const bool keepsTarget =
        blend.enable && blend.op == gfx::BlendOp::Add &&
        (blend.destination == gfx::BlendFactor::One || blend.destination == gfx::BlendFactor::InvSrcAlpha);
    // The texture the effect samples, whatever the case of the name the material gave it.
    const fx::Effect* effect = shader.GetD3DEffect();
    const gfx::Texture* texture = effect ? effect->GetTexture(effect->GetParameterBySemantic("BASE_MAP")) : nullptr;
    if (!shader.ClearWhereBaseMapClear() || !keepsTarget || !texture || !texture->GetCoverage().IsKnown())
        return CoversWhole;
    const ScreenVertex* v = &_vertices[record.firstVertex];
    // Corners bottom-left, top-left, bottom-right, top-right, their texture coordinates alike.
    const bool aligned = v[0].x == v[1].x && v[2].x == v[3].x && v[1].y == v[3].y && v[0].y == v[2].y &&
                         v[0].u == v[1].u && v[2].u == v[3].u && v[1].v == v[3].v && v[0].v == v[2].v &&
                         v[0].x != v[2].x && v[0].y != v[1].y;
    if (!aligned)
        return CoversWhole;
    const gfx::TexelCoverage::Box& box = texture->GetCoverage().GetBox();
    int left, right, top, bottom;
    if (box.IsEmpty() ||
        !PixelsReading(v[1].x, v[3].x, v[1].u, v[3].u, texture->GetWidth(), box.left, box.right - 1, left, right) ||
        !PixelsReading(v[1].y, v[0].y, v[1].v, v[0].v, texture->GetHeight(), box.top, box.bottom - 1, top, bottom))
        return CoversNothing;
    unsigned width = 0, height = 0;
    _device.GetTargetSize(width, height);
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, int(width) - 1);
    bottom = std::min(bottom, int(height) - 1);
    if (left > right || top > bottom)
        return CoversNothing;
    part = gfx::Rect{left, top, right - left + 1, bottom - top + 1};
    return CoversPart;
}

void ScreenPrims::DrawShape(const Record& record)
{
    ScreenVertex vertices[3];
    for (int i = 0; i < 3; ++i)
    {
        vertices[i] = ScreenVertex{record.points[i].x, record.points[i].y, 0.5f, 1.0f, record.colors[i], 0.0f, 0.0f};
    }
    SetScreenStates(record.kind != KindPoint);
    _programs.UseScreen(nullptr, FixedPrograms::TOP_DIFFUSE);
    switch (record.kind)
    {
    case KindLine: _stream.Draw(vertices, 2, gfx::PrimitiveType::LineStrip, 1); break;
    case KindTriangle: _stream.Draw(vertices, 3, gfx::PrimitiveType::TriangleStrip, 1); break;
    default: _stream.Draw(vertices, 1, gfx::PrimitiveType::PointList, 1); break;
    }
}

// Text is clipped to its rectangle, and to its clip rectangle when that is on.
void ScreenPrims::DrawText(const RenderText& text)
{
    if (!text.font || !text.font->font || text.text.empty())
        return;
    TextBox box{ToPixel(text.rect[0]), ToPixel(text.rect[1]), ToPixel(text.rect[2]), ToPixel(text.rect[3])};
    std::vector<PlacedGlyph> glyphs;
    LayoutText(*text.font->font, text.text, box, text.format, glyphs);
    gfx::Texture* atlas = _fonts.UpdateAtlas(*text.font);
    if (glyphs.empty() || !atlas)
        return;

    int left = box.left, top = box.top, right = box.right, bottom = box.bottom;
    if (text.clip)
    {
        left = std::max(left, ToPixel(text.clipRect[0]));
        top = std::max(top, ToPixel(text.clipRect[1]));
        right = std::min(right, ToPixel(text.clipRect[2]));
        bottom = std::min(bottom, ToPixel(text.clipRect[3]));
    }
    if (right <= left || bottom <= top)
        return;
    const gfx::Rect scissor{left, top, right - left, bottom - top};
    _device.SetScissor(true, &scissor);
    SetScreenStates(true);
    _programs.UseScreen(atlas, FixedPrograms::TOP_COVERAGE);

    const float du = 1.0f / atlas->GetWidth(), dv = 1.0f / atlas->GetHeight();
    std::vector<ScreenVertex> vertices;
    const unsigned chunk = ScreenVertexStream::Capacity / 6;
    vertices.reserve(std::min<size_t>(glyphs.size(), chunk) * 6);
    for (size_t i = 0; i < glyphs.size(); ++i)
    {
        const PlacedGlyph& g = glyphs[i];
        const float x0 = g.x - 0.5f, y0 = g.y - 0.5f, x1 = x0 + g.width, y1 = y0 + g.height;
        const float u0 = g.atlasX * du, v0 = g.atlasY * dv, u1 = (g.atlasX + g.width) * du,
                    v1 = (g.atlasY + g.height) * dv;
        const ScreenVertex tl{x0, y0, 0.0f, 1.0f, text.color, u0, v0}, tr{x1, y0, 0.0f, 1.0f, text.color, u1, v0},
            bl{x0, y1, 0.0f, 1.0f, text.color, u0, v1}, br{x1, y1, 0.0f, 1.0f, text.color, u1, v1};
        vertices.insert(vertices.end(), {tl, tr, bl, bl, tr, br});
        if (vertices.size() / 6 == chunk || i + 1 == glyphs.size())
        {
            const unsigned count = static_cast<unsigned>(vertices.size());
            _stream.Draw(vertices.data(), count, gfx::PrimitiveType::TriangleList, count / 3);
            vertices.clear();
        }
    }
    _device.SetScissor(false);
}
