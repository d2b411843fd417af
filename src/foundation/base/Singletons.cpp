#include "foundation/base/Singletons.h"

#include <mutex>
#include <utility>
#include <vector>

namespace {

struct Owner
{
    ~Owner()
    {
        while (!objects.empty())
        {
            auto [object, destroy] = objects.back();
            objects.pop_back();
            destroy(object);
        }
    }

    std::mutex lock;
    std::vector<std::pair<void*, void (*)(void*)>> objects;
};

// The first object of the engine's static initialisation, hence the last of its destruction.
Owner owner __attribute__((init_priority(101)));

} // namespace

void Singletons::Keep(void* object, void (*destroy)(void*))
{
    std::lock_guard guard(owner.lock);
    owner.objects.emplace_back(object, destroy);
}
