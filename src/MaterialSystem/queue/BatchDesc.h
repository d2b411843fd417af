#pragma once

#include "MaterialSystem/Renderable.h"

#include <cstddef>
#include <cstdint>

// One merged draw of a render queue: a run of dynamic entries written into a shared stream
// (mode 1), or of instanced entries drawn together (mode 2). The entries of a batch are
// consecutive in the queue, the first of them carries the batch in its user data.
struct BatchDesc
{
    enum eMode : uint32_t
    {
        None = 0,
        Dynamic = 1,
        Instanced = 2
    };

    uint32_t mode = None;
    unsigned slot = 0;     // the dynamic stream slot
    unsigned appended = 0; // entries merged after the first
    size_t first = 0;      // the queue index of the first entry
    RenderableDesc desc;   // the merged draw
    StreamBinding binding;
};
