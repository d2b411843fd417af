#include "platform/effect/PassStates.h"

#include "platform/effect/StateNames.h"

namespace fx {

bool ParsePassStates(const std::vector<StateAssign>& assigns, PassStates& out, std::string& error, int& errorLine)
{
    for (const StateAssign& a : assigns)
    {
        const std::string& k = a.key;
        const std::string& v = a.value;
        bool ok = true;
        auto blend = [&]() -> gfx::BlendState& {
            if (!out.blend)
                out.blend = gfx::BlendState{};
            return *out.blend;
        };
        auto stencil = [&]() -> gfx::StencilState& {
            if (!out.stencil)
                out.stencil = gfx::StencilState{};
            return *out.stencil;
        };
        bool b = false;
        unsigned u = 0;
        gfx::CmpFunc f{};
        if (EqualsNoCase(k, "ZEnable"))
            ok = ParseBool(v, b), out.depthTest = b;
        else if (EqualsNoCase(k, "ZWriteEnable"))
            ok = ParseBool(v, b), out.depthWrite = b;
        else if (EqualsNoCase(k, "ZFunc"))
            ok = ParseCmpFunc(v, f), out.depthFunc = f;
        else if (EqualsNoCase(k, "AlphaBlendEnable"))
            ok = ParseBool(v, blend().enable);
        else if (EqualsNoCase(k, "SrcBlend"))
            ok = ParseBlendFactor(v, blend().source);
        else if (EqualsNoCase(k, "DestBlend"))
            ok = ParseBlendFactor(v, blend().destination);
        else if (EqualsNoCase(k, "BlendOp"))
            ok = ParseBlendOp(v, blend().op);
        else if (EqualsNoCase(k, "CullMode"))
        {
            gfx::CullMode c{};
            ok = ParseCullMode(v, c);
            out.cull = c;
        }
        else if (EqualsNoCase(k, "FillMode"))
        {
            gfx::FillMode m{};
            ok = ParseFillMode(v, m);
            out.fill = m;
        }
        else if (EqualsNoCase(k, "ColorWriteEnable"))
            ok = ParseColorWrite(v, u), out.colorWrite = u;
        else if (EqualsNoCase(k, "StencilEnable"))
            ok = ParseBool(v, stencil().enable);
        else if (EqualsNoCase(k, "StencilFunc"))
            ok = ParseCmpFunc(v, stencil().func);
        else if (EqualsNoCase(k, "StencilFail"))
            ok = ParseStencilOp(v, stencil().fail);
        else if (EqualsNoCase(k, "StencilZFail"))
            ok = ParseStencilOp(v, stencil().depthFail);
        else if (EqualsNoCase(k, "StencilPass"))
            ok = ParseStencilOp(v, stencil().pass);
        else if (EqualsNoCase(k, "StencilRef"))
            ok = ParseUnsigned(v, u), stencil().reference = static_cast<int>(u);
        else if (EqualsNoCase(k, "StencilMask"))
            ok = ParseUnsigned(v, stencil().mask);
        else if (EqualsNoCase(k, "StencilWriteMask"))
            ok = ParseUnsigned(v, stencil().writeMask);
        else if (EqualsNoCase(k, "AlphaTestEnable"))
            ok = ParseBool(v, b), out.alphaTest = b;
        else if (EqualsNoCase(k, "AlphaFunc"))
            ok = ParseCmpFunc(v, f), out.alphaFunc = f;
        else if (EqualsNoCase(k, "AlphaRef"))
            ok = ParseUnsigned(v, u) && u <= 255, out.alphaReference = u;
        else
        {
            error = "unknown render state \"" + k + "\"";
            errorLine = a.line;
            return false;
        }
        if (!ok)
        {
            error = "bad value \"" + v + "\" for " + k;
            errorLine = a.line;
            return false;
        }
    }
    return true;
}

} // namespace fx
