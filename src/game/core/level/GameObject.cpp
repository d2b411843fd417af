#include "game/core/level/GameObject.h"

void GameObjectManager::RegisterObject(GameObject* object)
{
    if (!object)
        return;
    object->Initialize();
    _objects.push_back(object);
}

void GameObjectManager::Proceed(float seconds)
{
    for (GameObject* object : _objects)
        object->Proceed(seconds);
}

GameObject* GameObjectManager::GetObjectByIndex(int index) const
{
    return index >= 0 && index < GetObjectCount() ? _objects[index] : nullptr;
}
