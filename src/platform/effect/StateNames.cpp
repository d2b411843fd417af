#include "platform/effect/StateNames.h"

#include <cctype>
#include <cstdlib>
#include <utility>

namespace fx {

namespace {

template <typename T, size_t N>
bool Lookup(const std::string& text, const std::pair<const char*, T> (&table)[N], T& out)
{
    for (const auto& [name, value] : table)
    {
        if (EqualsNoCase(text, name))
        {
            out = value;
            return true;
        }
    }
    return false;
}

} // namespace

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool ParseBool(const std::string& text, bool& out)
{
    static const std::pair<const char*, bool> table[] = {{"true", true}, {"false", false}, {"1", true}, {"0", false}};
    return Lookup(text, table, out);
}

bool ParseUnsigned(const std::string& text, unsigned& out)
{
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])))
        return false;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 0);
    if (*end != '\0' || value > 0xFFFFFFFFul)
        return false;
    out = static_cast<unsigned>(value);
    return true;
}

bool ParseCmpFunc(const std::string& text, gfx::CmpFunc& out)
{
    using gfx::CmpFunc;
    static const std::pair<const char*, CmpFunc> table[] = {{"Never", CmpFunc::Never},
                                                            {"Less", CmpFunc::Less},
                                                            {"Equal", CmpFunc::Equal},
                                                            {"LessEqual", CmpFunc::LessEqual},
                                                            {"Greater", CmpFunc::Greater},
                                                            {"NotEqual", CmpFunc::NotEqual},
                                                            {"GreaterEqual", CmpFunc::GreaterEqual},
                                                            {"Always", CmpFunc::Always}};
    return Lookup(text, table, out);
}

bool ParseBlendFactor(const std::string& text, gfx::BlendFactor& out)
{
    using gfx::BlendFactor;
    static const std::pair<const char*, BlendFactor> table[] = {{"Zero", BlendFactor::Zero},
                                                                {"One", BlendFactor::One},
                                                                {"SrcColor", BlendFactor::SrcColor},
                                                                {"InvSrcColor", BlendFactor::InvSrcColor},
                                                                {"SrcAlpha", BlendFactor::SrcAlpha},
                                                                {"InvSrcAlpha", BlendFactor::InvSrcAlpha},
                                                                {"DestAlpha", BlendFactor::DestAlpha},
                                                                {"InvDestAlpha", BlendFactor::InvDestAlpha},
                                                                {"DestColor", BlendFactor::DestColor},
                                                                {"InvDestColor", BlendFactor::InvDestColor},
                                                                {"SrcAlphaSat", BlendFactor::SrcAlphaSat}};
    return Lookup(text, table, out);
}

bool ParseBlendOp(const std::string& text, gfx::BlendOp& out)
{
    using gfx::BlendOp;
    static const std::pair<const char*, BlendOp> table[] = {{"Add", BlendOp::Add},
                                                            {"Subtract", BlendOp::Subtract},
                                                            {"RevSubtract", BlendOp::RevSubtract},
                                                            {"Min", BlendOp::Min},
                                                            {"Max", BlendOp::Max}};
    return Lookup(text, table, out);
}

bool ParseCullMode(const std::string& text, gfx::CullMode& out)
{
    using gfx::CullMode;
    static const std::pair<const char*, CullMode> table[] = {
        {"None", CullMode::None}, {"CW", CullMode::Cw}, {"CCW", CullMode::Ccw}};
    return Lookup(text, table, out);
}

bool ParseFillMode(const std::string& text, gfx::FillMode& out)
{
    using gfx::FillMode;
    static const std::pair<const char*, FillMode> table[] = {
        {"Point", FillMode::Point}, {"Wireframe", FillMode::Wireframe}, {"Solid", FillMode::Solid}};
    return Lookup(text, table, out);
}

bool ParseStencilOp(const std::string& text, gfx::StencilOp& out)
{
    using gfx::StencilOp;
    static const std::pair<const char*, StencilOp> table[] = {
        {"Keep", StencilOp::Keep},       {"Zero", StencilOp::Zero},       {"Replace", StencilOp::Replace},
        {"IncrSat", StencilOp::IncrSat}, {"DecrSat", StencilOp::DecrSat}, {"Invert", StencilOp::Invert},
        {"Incr", StencilOp::Incr},       {"Decr", StencilOp::Decr}};
    return Lookup(text, table, out);
}

bool ParseTextureFilter(const std::string& text, gfx::TextureFilter& out)
{
    using gfx::TextureFilter;
    static const std::pair<const char*, TextureFilter> table[] = {{"None", TextureFilter::None},
                                                                  {"Point", TextureFilter::Point},
                                                                  {"Linear", TextureFilter::Linear},
                                                                  {"Anisotropic", TextureFilter::Anisotropic}};
    return Lookup(text, table, out);
}

bool ParseTextureAddress(const std::string& text, gfx::TextureAddress& out)
{
    using gfx::TextureAddress;
    static const std::pair<const char*, TextureAddress> table[] = {{"Wrap", TextureAddress::Wrap},
                                                                   {"Mirror", TextureAddress::Mirror},
                                                                   {"Clamp", TextureAddress::Clamp},
                                                                   {"Border", TextureAddress::Border}};
    return Lookup(text, table, out);
}

bool ParseColorWrite(const std::string& text, unsigned& out)
{
    if (ParseUnsigned(text, out))
        return out <= gfx::WriteAll;
    static const std::pair<const char*, unsigned> table[] = {{"Red", gfx::WriteRed},   {"Green", gfx::WriteGreen},
                                                             {"Blue", gfx::WriteBlue}, {"Alpha", gfx::WriteAlpha},
                                                             {"All", gfx::WriteAll},   {"None", 0u}};
    out = 0;
    size_t start = 0;
    while (start <= text.size())
    {
        size_t bar = text.find('|', start);
        if (bar == std::string::npos)
            bar = text.size();
        unsigned bit = 0;
        if (!Lookup(text.substr(start, bar - start), table, bit))
            return false;
        out |= bit;
        start = bar + 1;
    }
    return true;
}

} // namespace fx
