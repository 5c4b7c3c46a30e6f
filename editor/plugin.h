#pragma once
// A plug-in file loaded the way the editor loads one: by path, then its six entry points
// by name.

#include <cstdint>
#include <string>
#include <vector>

#include "host/calling_convention.h"

namespace standin {

extern "C" {
using VersionEntry = uint32_t(QL_CALL*)(uint32_t);
using InitEntry = int16_t(QL_CALL*)(uint32_t, uint32_t);
using EnumerateEntry = int16_t(QL_CALL*)(uint32_t, int16_t, void*);
using InvokeEntry = int16_t(QL_CALL*)(uint32_t, int16_t, const void*, uint32_t);
using TerminateEntry = void(QL_CALL*)(uint32_t);
using GetMenuStatusEntry = int16_t(QL_CALL*)(uint32_t);
}

struct Plugin {
    void* library = nullptr;
    VersionEntry version = nullptr;
    InitEntry init = nullptr;
    EnumerateEntry enumerate = nullptr;
    InvokeEntry invoke = nullptr;
    TerminateEntry terminate = nullptr;
    GetMenuStatusEntry getMenuStatus = nullptr;
};

// On failure `error` says what went wrong and the result holds no library.
Plugin LoadPlugin(const std::string& path, std::string& error);
void UnloadPlugin(Plugin& plugin);

// The plug-in file built beside the running program.
std::string PluginBesideProgram(const char* argv0);

struct MenuItem {
    std::string menuText;
    std::string description;
    std::string menuTextAgain;
    uint16_t firstWord = 0;
    uint16_t secondWord = 0;
};

// Enumerates from index 0 until the plug-in answers 0 (at most 64 items).
std::vector<MenuItem> EnumerateMenu(const Plugin& plugin);

}  // namespace standin
