#pragma once
// The stand-in editor: owns a score and serves it to the plug-in through the same
// services the real editor exports, recording every call. Frames are lent as fresh
// copies: a change the plug-in does not store is lost, as in the real editor.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "editor/record_layout.h"
#include "editor/score.h"

namespace standin {

using Cell = std::tuple<int, int, int>;  // staff, measure, layer

// Data records are kept by tag, key number and key index; the key's extra is not part of it.
using DataRecordKey = std::tuple<uint32_t, int16_t, int16_t>;
using DataKeyBytes = std::array<uint8_t, 8>;
DataKeyBytes DataKey(int16_t number, int16_t index, uint32_t extra = 0);
std::string TagText(uint32_t tag);

struct EditorSettings {
    std::array<bool, kLayers> hiddenLayers{};
    int cancelAtProgressCall = 0;               // 1 for the first call; 0 never cancels
    std::set<std::string> missingServices;      // not exported by this editor
    std::set<Cell> refusedFrames;               // QL_LoadTGF answers no frame
    // Answers a data-record load in place of the store when it returns an answer; it may
    // write into the buffer it is handed, as an editor that refuses a record still may.
    std::function<std::optional<int16_t>(uint32_t tag, uint8_t* buffer, int32_t* size)> loadAnswer;
    std::set<DataRecordKey> failingStores;      // QL_SaveEData answers 0 and keeps nothing
    std::function<bool()> cancelRequested;      // asked at every progress call: the user's Ctrl-C
};

struct ServiceCall {
    std::string service;
    std::string text;  // the call with its arguments, as tests compare it
};

struct EditorCounts {
    int progressCalls = 0;
    int framesLoaded = 0;
    int framesStored = 0;
    int framesReleased = 0;
    int massEditsOpened = 0;
    int massEditsClosed = 0;
    int lastEndAbandoned = -1;
    int cancelledAtStaff = 0;  // the cell whose progress call answered 0
    int cancelledAtMeasure = 0;
};

// The region record as the editor hands it to a command.
struct Selection {
    uint16_t startRef = 0;
    int16_t startStaff = 1;
    int16_t startMeasure = 1;
    int32_t startPosition = 0;
    int16_t endStaff = 1;
    int16_t endMeasure = 1;
    int32_t endPosition = 0x7FFFFFFF;
};
std::array<uint8_t, kRegionBytes> RegionBytes(const Selection& selection);
Selection WholeScore(const Score& score);

class Editor {
public:
    explicit Editor(Score score);
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    Score score;
    EditorSettings settings;
    std::vector<ServiceCall> calls;
    std::vector<std::string> faults;  // misuse by the plug-in: unknown or doubly released frames, overruns
    EditorCounts counts;
    std::map<DataRecordKey, std::vector<uint8_t>> dataRecords;
    std::function<void(int staff, int measure)> onProgress;
    // Told of every frame the plug-in stores, with the frame as the score held it before.
    std::function<void(const Cell& cell, const Frame& before, const Frame& after)> onStore;
    const void* selectedRegion = nullptr;  // shown as "region" in the call log

    bool Exports(const std::string& service) const { return settings.missingServices.count(service) == 0; }
    std::vector<std::string> CallTexts() const;
    int OpenLoans() const { return static_cast<int>(loans_.size()); }

    uint32_t StartMassEdit(const void* region, uint32_t zero, uint32_t version);
    int16_t MassEditProgress(uint32_t handle, int16_t four, int16_t staff, int16_t measure, int16_t minusOne,
                             uint32_t version);
    int16_t EndMassEdit(uint32_t handle, int16_t abandoned, uint32_t version);
    int16_t GetShowLayer(int16_t layer, uint32_t version);
    void* LoadTGF(uint16_t startRef, int16_t staff, int16_t measure, int16_t layer, int16_t one, uint32_t version);
    int16_t SaveTGF(void* frame, uint32_t version);
    int16_t FreeTGF(void* frame, uint32_t version);
    int16_t LoadEData(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version);
    int16_t SaveEData(uint32_t tag, void* key, const void* buffer, int32_t length, uint32_t version);

private:
    struct Loan {
        Cell cell;
        int serial;
        size_t bytes;
        size_t entryCount;
    };
    void Record(const std::string& service, const std::string& arguments);
    std::string Describe(const void* pointer) const;
    bool GuardsIntact(const uint8_t* block, const Loan& loan) const;

    std::map<const void*, Loan> loans_;
    int nextSerial_ = 1;
    uint32_t nextHandle_ = 0x5EED0001;
};

// The editor whose services the exported functions serve; one at a time per process.
Editor* CurrentEditor();
void SetCurrentEditor(Editor* editor);

}  // namespace standin
