#include "foundation/base/Path.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string NormalizePath(std::string_view path)
{
    std::string out;
    out.reserve(path.size());
    for (char c : path)
    {
        if (c == '\\')
            c = '/';
        if (c == '/' && !out.empty() && out.back() == '/')
            continue;
        out.push_back(c);
    }
    return out;
}

namespace {

bool Exists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path.empty() ? "." : path, error);
}

// The entry of `folder` whose name equals `name` ignoring case, or "" when there is none.
std::string MatchInFolder(const std::string& folder, const std::string& name)
{
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? "." : folder, error);
    if (error)
        return {};
    // Stepped with an error code: a folder that fails mid-listing must not throw.
    for (; !error && it != fs::directory_iterator(); it.increment(error))
    {
        std::string candidate = it->path().filename().string();
        if (strcasecmp(candidate.c_str(), name.c_str()) == 0)
            return candidate;
    }
    return {};
}

} // namespace

std::string ResolvePath(std::string_view path)
{
    std::string normal = NormalizePath(path);
    if (normal.empty() || Exists(normal))
        return normal;

    std::string resolved;
    size_t start = 0;
    if (normal[0] == '/')
    {
        resolved = "/";
        start = 1;
    }
    while (start < normal.size())
    {
        size_t end = normal.find('/', start);
        bool last = end == std::string::npos;
        std::string component = normal.substr(start, last ? std::string::npos : end - start);
        std::string candidate = resolved + component;
        if (component != "." && component != ".." && !Exists(candidate))
        {
            std::string match = MatchInFolder(resolved, component);
            if (!match.empty())
                candidate = resolved + match;
            else if (!last)
                return normal;
            // A missing last component keeps the resolved folder.
        }
        resolved = candidate;
        if (last)
            break;
        resolved += '/';
        start = end + 1;
    }
    return resolved;
}
