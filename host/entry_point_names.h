#pragma once
// The editor's service names, in the editor's own table order; each has one cache slot.

#include <cstdint>
#include <string_view>

namespace regionflags::host {

inline constexpr uint16_t kHostEntryPointCount = 74;

inline constexpr const char* HostEntryPointNames[kHostEntryPointCount] = {
    "QL_LoadTGF",          "QL_InsertEXENTRY",     "QL_DeleteEXENTRY",
    "QL_SaveTGF",          "QL_FreeTGF",           "QL_RebeamRegion",
    "QL_RebarRegion",      "QL_LoadEData",         "QL_SaveEData",
    "QL_CreateEData",      "QL_DeleteEData",       "QL_PreviousEData",
    "QL_NextEData",        "QL_Dialog",            "QL_EndDialog",
    "QL_EnableDlgItem",    "QL_SetDlgFocus",       "QL_GetDlgCntlVal",
    "QL_SetDlgCntlVal",    "QL_SlotToInst",        "QL_InstToSlot",
    "QL_ScrollTo",         "QL_Playback",          "QL_ListenToMidi",
    "QL_FontNameToNum",    "QL_FontNumToName",     "QL_GetCurERegions",
    "QL_RedrawMusic",      "QL_CopyMidi",          "QL_PasteMidi",
    "QL_NoteToMidi",       "QL_NoteMover",         "QL_GetKeySig",
    "QL_SelectNote",       "QL_SetTimer",          "QL_GetDlgItemUser",
    "QL_SetDlgItemUser",   "QL_MidiNoteToString",  "QL_StringToMidiNote",
    "QL_GetSyllable",      "QL_SyllableInfo",      "QL_ParseCaretCommand",
    "QL_UpdateLayout",     "QL_GetEntryMetrics",   "QL_GetTGFEntryMetrics",
    "QL_FontDialog",       "QL_SymbolDialog",      "QL_SelectionDialog",
    "QL_GetMeasureDuration", "QL_GetTGFDuration",  "QL_ReduceEntries",
    "QL_StartMassEdit",    "QL_EndMassEdit",       "QL_MassEditProgress",
    "QL_GetShowLayer",     "QL_AlertMessage",      "QL_GetDlgItemVal",
    "QL_SetDlgItemVal",    "QL_GetDlgString",      "QL_SetDlgString",
    "QL_SetCurERegion",    "QL_SetCurrentOrvaneDocument", "QL_GetCurrentOrvaneDocument",
    "QL_GetNextOrvaneDocument", "QL_GetQuorlaPath", "QL_StartQuorlaEdit",
    "QL_EndQuorlaEdit",    "QL_CancelQuorlaEdit",  "QL_GetDocumentPath",
    "QL_SelectExpressionDialog", "QL_MassMover",   "QL_RebuildMenuSystem",
    "QL_EnableBusyDetection", "QL_ExecuteMenuItem",
};

// Slots of the nine services the module calls.
enum HostService : uint16_t {
    kLoadTGFSlot = 0,
    kSaveTGFSlot = 3,
    kFreeTGFSlot = 4,
    kLoadEDataSlot = 7,
    kSaveEDataSlot = 8,
    kStartMassEditSlot = 51,
    kEndMassEditSlot = 52,
    kMassEditProgressSlot = 53,
    kGetShowLayerSlot = 54,
};

static_assert(std::string_view(HostEntryPointNames[kLoadTGFSlot]) == "QL_LoadTGF");
static_assert(std::string_view(HostEntryPointNames[kSaveTGFSlot]) == "QL_SaveTGF");
static_assert(std::string_view(HostEntryPointNames[kFreeTGFSlot]) == "QL_FreeTGF");
static_assert(std::string_view(HostEntryPointNames[kLoadEDataSlot]) == "QL_LoadEData");
static_assert(std::string_view(HostEntryPointNames[kSaveEDataSlot]) == "QL_SaveEData");
static_assert(std::string_view(HostEntryPointNames[kStartMassEditSlot]) == "QL_StartMassEdit");
static_assert(std::string_view(HostEntryPointNames[kEndMassEditSlot]) == "QL_EndMassEdit");
static_assert(std::string_view(HostEntryPointNames[kMassEditProgressSlot]) == "QL_MassEditProgress");
static_assert(std::string_view(HostEntryPointNames[kGetShowLayerSlot]) == "QL_GetShowLayer");
static_assert(std::string_view(HostEntryPointNames[kHostEntryPointCount - 1]) == "QL_ExecuteMenuItem");

}  // namespace regionflags::host
