#include "foundation/base/Assert.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "foundation/base/MessageBox.h"

namespace {

std::string ModuleFileName(ModuleHandle module)
{
    if (module)
    {
        Dl_info info{};
        if (dladdr(module, &info) && info.dli_fname)
            return info.dli_fname;
    }
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return "";
    path[length] = 0;
    return path;
}

std::string Compose(const char* headline, const char* expression, ModuleHandle module, const char* path, int line,
                    const char* reason)
{
    std::string moduleName = ModuleFileName(module);
    const char* form = reason
                           ? "%s\n\nModule name: \"%s\"\nSource File: \"%s\"\nLine: %d\nExpression: [%s]\n\nReason: %s"
                           : "%s\n\nModule name: \"%s\"\nSource File: \"%s\"\nLine: %d\nExpression: [%s]";
    const char* expr = expression ? expression : "";
    const char* file = path ? path : "";
    int size = snprintf(nullptr, 0, form, headline, moduleName.c_str(), file, line, expr, reason);
    std::string text(size > 0 ? size : 0, '\0');
    snprintf(text.data(), text.size() + 1, form, headline, moduleName.c_str(), file, line, expr, reason);
    return text;
}

} // namespace

void ExecRuntimeAssert(const char* expression, ModuleHandle module, const char* path, int line, const char* reason)
{
    std::string text =
        Compose("Runtime assertion failed! Application will be closed", expression, module, path, line, reason);
    ShowMessageBox(text.c_str(), "ENGINE CRITICAL ERROR", MessageBoxIcon::Error);
    fflush(nullptr);
    std::_Exit(1);
}

int ExecAssert(const char* expression, ModuleHandle module, const char* path, int line, const char* reason)
{
    std::string text = Compose("Assertion failed!", expression, module, path, line, reason);
    return ShowMessageBox(text.c_str(), "ENGINE DEBUG ERROR", MessageBoxIcon::Error,
                          MessageBoxButtons::AbortRetryIgnore);
}
