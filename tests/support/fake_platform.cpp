#include "support/fake_platform.h"

#include <cstring>

#include "editor/exported_services.h"
#include "editor/standin_editor.h"
#include "support/binding_reset.h"
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
    ResetHostBinding();
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
