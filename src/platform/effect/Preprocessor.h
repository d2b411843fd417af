#pragma once

#include "platform/effect/EffectTypes.h"

#include <string>
#include <vector>

namespace fx {

// Supplies the text of `#include "name"` files. The caller decides where names lead.
class IncludeHandler
{
public:
    virtual ~IncludeHandler() = default;
    // False when the file cannot be found; `text` is then ignored.
    virtual bool Open(const std::string& name, std::string& text) = 0;
};

// Where one output line came from: an index into `files` and a 1-based line.
struct SourceLine
{
    int file = 0;
    int line = 0;
};

struct PreprocessedSource
{
    std::string text;               // lines joined by "\n"
    std::vector<SourceLine> lines;  // one entry per output line
    std::vector<std::string> files; // file 0 is the main file

    // "file(line)" of an output line (0-based), for messages.
    std::string Where(size_t outputLine) const;
};

// Expands includes (each file at most once) and conditional blocks (#if, #ifdef, #ifndef,
// #elif, #else, #endif). #define and #undef are evaluated for the conditions and kept in the
// output, so the shader compiler sees them too. Returns false with messages in `errors`
// ("file(line): error: ...") on a missing include, an unbalanced block or a bad condition.
bool Preprocess(const std::string& source, const std::string& fileName, const std::vector<Macro>& macros,
                IncludeHandler* handler, PreprocessedSource& out, std::string& errors);

} // namespace fx
