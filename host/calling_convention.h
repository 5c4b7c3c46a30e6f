#pragma once
// Every function that crosses between the editor and the module, in either direction,
// uses this one calling convention. The editor's plug-in interface is plain C with the
// platform's default convention, which on 32-bit Windows is cdecl.

#if defined(_WIN32)
#define QL_CALL __cdecl
#else
#define QL_CALL
#endif
