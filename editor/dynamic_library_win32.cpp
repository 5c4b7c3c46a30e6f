#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "editor/dynamic_library.h"

namespace standin {

const char* const kPluginFileName = "regionflags.dll";

void* OpenLibrary(const std::string& path, std::string& error) {
    HMODULE library = LoadLibraryA(path.c_str());
    if (library == nullptr) error = path + ": cannot be loaded (error " + std::to_string(GetLastError()) + ")";
    return library;
}

void* LibrarySymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) { FreeLibrary(static_cast<HMODULE>(library)); }

}  // namespace standin
