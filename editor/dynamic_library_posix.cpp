#include <dlfcn.h>

#include "editor/dynamic_library.h"

namespace standin {

const char* const kPluginFileName = "regionflags.so";

void* OpenLibrary(const std::string& path, std::string& error) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* why = dlerror();
        error = why != nullptr ? why : path + ": cannot be loaded";
    }
    return library;
}

void* LibrarySymbol(void* library, const char* name) { return dlsym(library, name); }

void CloseLibrary(void* library) { dlclose(library); }

}  // namespace standin
