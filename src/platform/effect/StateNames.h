#pragma once

#include "platform/gfx/Device.h"

#include <string>

// Names of state values in effect files, compared without regard to case.
namespace fx {

bool EqualsNoCase(const std::string& a, const std::string& b);

bool ParseBool(const std::string& text, bool& out);
bool ParseUnsigned(const std::string& text, unsigned& out);
bool ParseCmpFunc(const std::string& text, gfx::CmpFunc& out);
bool ParseBlendFactor(const std::string& text, gfx::BlendFactor& out);
bool ParseBlendOp(const std::string& text, gfx::BlendOp& out);
bool ParseCullMode(const std::string& text, gfx::CullMode& out);
bool ParseFillMode(const std::string& text, gfx::FillMode& out);
bool ParseStencilOp(const std::string& text, gfx::StencilOp& out);
bool ParseTextureFilter(const std::string& text, gfx::TextureFilter& out);
bool ParseTextureAddress(const std::string& text, gfx::TextureAddress& out);
// "Red|Green|Blue|Alpha", "All", "None" or a number 0..15.
bool ParseColorWrite(const std::string& text, unsigned& out);

} // namespace fx
