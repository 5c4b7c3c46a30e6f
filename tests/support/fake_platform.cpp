#include "support/fake_platform.h"

#include <cstring>

#include "editor/exported_services.h"
#include "editor/standin_editor.h"
#include "host/binding.h"
#include "host/platform.h"

namespace testsupport {
namespace {
int gEditorModule;  // its address stands for the editor's module handle
}

PlatformLog& Platform() {
    static PlatformLog log;
    return log;
}

void ForgetHostBinding() {
    using namespace regionflags::host;
    gHostBinding.module.handle.store(nullptr);
    gHostBinding.module.fetched.store(0);
    for (EntryPointSlot& slot : gHostBinding.slots) {
        slot.address.store(0);
        slot.resolved.store(0);
    }
    Platform() = PlatformLog{};
}

}  // namespace testsupport

namespace regionflags::platform {

ModuleHandle GetModuleHandleA(const char* name) {
    ++testsupport::Platform().moduleHandleCalls;
    return name == nullptr ? &testsupport::gEditorModule : nullptr;
}

ProcAddress GetProcAddress(ModuleHandle module, const char* name) {
    testsupport::Platform().lookups.emplace_back(name);
    const standin::Editor* editor = standin::CurrentEditor();
    if (module != &testsupport::gEditorModule || editor == nullptr || !editor->Exports(name)) return nullptr;
    for (const standin::ExportedService& service : standin::ExportedServices())
        if (std::strcmp(service.name, name) == 0) return service.address;
    return nullptr;
}

}  // namespace regionflags::platform
