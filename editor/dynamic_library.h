#pragma once
// Loading a library file and finding its exports: dlopen on ELF systems, LoadLibraryA on
// Windows.

#include <string>

namespace standin {

extern const char* const kPluginFileName;

void* OpenLibrary(const std::string& path, std::string& error);
void* LibrarySymbol(void* library, const char* name);
void CloseLibrary(void* library);

}  // namespace standin
