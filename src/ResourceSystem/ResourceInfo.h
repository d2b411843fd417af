#pragma once
#include <cstdint>
#include <cstring>

class IResource;

// Where LoadResource found a resource's bytes.
enum eResourceLocation : int32_t
{
    RES_LOCATION_NONE = 0,
    RES_LOCATION_FILE = 1,
    RES_LOCATION_ARCHIVE = 2,
};

// What a manager is told about the resource it builds; every resource keeps a copy.
struct ResourceInfo
{
    static constexpr size_t NAME_SIZE = 256;

    uint32_t flags = 0;                   // the caller's load flags
    int32_t location = RES_LOCATION_NONE; // eResourceLocation
    uint32_t size = 0;                    // file size or the member's uncompressed size
    char name[NAME_SIZE] = {};            // requested name in lower case, relative to the root

    // Copies the text, cut to the room of the field.
    void SetName(const char* text)
    {
        name[0] = '\0';
        if (text)
        {
            std::strncpy(name, text, NAME_SIZE - 1);
            name[NAME_SIZE - 1] = '\0';
        }
    }
};

// The all-ones pointer value: "no resource" in every manager operation.
#define INVALID_RES_HANDLE (reinterpret_cast<IResource*>(~static_cast<uintptr_t>(0)))
