#pragma once
// The two operating-system calls the module needs to find the editor's services: the
// handle of the process's executable module, and a function exported from it by name.
// On Windows these are the system's own; elsewhere the same two operations over the
// dynamic loader.

namespace regionflags::platform {

using ModuleHandle = void*;
using ProcAddress = void (*)();

// With a null name: the executable module of the calling process.
ModuleHandle GetModuleHandleA(const char* name);
ProcAddress GetProcAddress(ModuleHandle module, const char* name);

}  // namespace regionflags::platform
