#include "editor/plugin.h"

#include <array>
#include <vector>

#include "editor/record_layout.h"
#include "editor/dynamic_library.h"

namespace standin {
namespace {

template <typename Entry>
bool Bind(void* library, const char* name, Entry& entry, std::string& error) {
    entry = reinterpret_cast<Entry>(LibrarySymbol(library, name));
    if (entry == nullptr && error.empty()) error = std::string("the plug-in has no entry point ") + name;
    return entry != nullptr;
}

std::string TextField(const uint8_t* field) {
    size_t length = 0;
    while (length < 64 && field[length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(field), length);
}

}  // namespace

Plugin LoadPlugin(const std::string& path, std::string& error) {
    error.clear();
    Plugin plugin;
    plugin.library = OpenLibrary(path, error);
    if (plugin.library == nullptr) return plugin;
    Bind(plugin.library, "QuorlaExtensionVersion", plugin.version, error);
    Bind(plugin.library, "QuorlaExtensionInit", plugin.init, error);
    Bind(plugin.library, "QuorlaExtensionEnumerate", plugin.enumerate, error);
    Bind(plugin.library, "QuorlaExtensionInvoke", plugin.invoke, error);
    Bind(plugin.library, "QuorlaExtensionTerminate", plugin.terminate, error);
    Bind(plugin.library, "QuorlaExtensionGetMenuStatus", plugin.getMenuStatus, error);
    if (!error.empty()) {
        error = path + ": " + error;
        UnloadPlugin(plugin);
    }
    return plugin;
}

void UnloadPlugin(Plugin& plugin) {
    if (plugin.library != nullptr) CloseLibrary(plugin.library);
    plugin = Plugin{};
}

std::string PluginBesideProgram(const char* argv0) {
    const std::string program = argv0 != nullptr ? argv0 : "";
    const size_t slash = program.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "." : program.substr(0, slash);
    return folder + "/" + kPluginFileName;
}

std::vector<MenuItem> EnumerateMenu(const Plugin& plugin) {
    std::vector<MenuItem> items;
    for (int16_t index = 0; index < 64; ++index) {
        std::array<uint8_t, 196> info{};
        if (plugin.enumerate(0, index, info.data()) == 0) break;
        items.push_back({TextField(info.data()), TextField(info.data() + 64), TextField(info.data() + 128),
                         static_cast<uint16_t>(ReadLE(info.data() + 192, 2)),
                         static_cast<uint16_t>(ReadLE(info.data() + 194, 2))});
    }
    return items;
}

}  // namespace standin
