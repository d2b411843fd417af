#pragma once
// The one owner of the engine's process-wide objects: the log, the name table, the console, the
// profiler's state, the list of device resources, the AI manager, the physics asset loader and
// the state objects of ships and weapons. Each is made on first use and adopted here. The owner
// is made before every other static object of the engine and destroyed after all of them, when
// it frees what it adopted, newest first; so the global game's shut-down, whether it runs from
// `main`, from `exit` or from a static destructor, finds every one of them alive.
#include <memory>

namespace Singletons {

// Keeps the object to the end of the process, to be freed with `destroy`.
void Keep(void* object, void (*destroy)(void*));

// Keeps the object to the end of the process and returns it.
template <class T>
T* Adopt(std::unique_ptr<T> object)
{
    T* kept = object.release();
    Keep(kept, [](void* p) { delete static_cast<T*>(p); });
    return kept;
}

} // namespace Singletons
