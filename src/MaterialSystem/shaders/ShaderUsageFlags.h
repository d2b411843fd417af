#pragma once

#include "platform/effect/EffectTypes.h"

#include <string>
#include <vector>

// The usage flags of one shader variant: names joined by "|", each compiled as a macro
// defined to 1. Names are matched whole, never as parts of longer names.
class ShaderUsageFlags
{
public:
    static constexpr unsigned MaxTextLength = 127;

    // False when the name is empty, holds "|", is already in the set, or would make the text
    // longer than MaxTextLength.
    bool Add(const char* name);
    // False when the name is not in the set.
    bool Remove(const char* name);
    void Clear();
    bool Contains(const char* name) const;

    // One macro per flag in text order; rebuilt when the flags changed.
    const std::vector<fx::Macro>& CompileMacroSet();

    unsigned GetNumFlags() const { return static_cast<unsigned>(_names.size()); }
    // "FLAG_A|FLAG_B", the text that names the variant.
    const char* GetText() const { return _text.c_str(); }
    unsigned GetLongestFlag() const { return _longest; }

private:
    void Rebuild();

    std::vector<std::string> _names;
    std::string _text;
    unsigned _longest = 0;
    std::vector<fx::Macro> _macros;
    bool _macrosValid = false;
};
