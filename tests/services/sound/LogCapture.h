#pragma once
#include <string>
#include <vector>

// The lines the process-wide log printed since the last Clear (registered once).
class LogCapture
{
public:
    static void Clear();
    static const std::vector<std::string>& Lines();
    // Lines that contain every one of the given texts.
    static int Count(const std::string& a, const std::string& b = "");
};
