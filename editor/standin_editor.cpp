#include "editor/standin_editor.h"

#include <cstdio>
#include <cstring>

#include "editor/low_memory.h"

namespace standin {
namespace {

constexpr size_t kGuardBytes = 32;
constexpr uint8_t kGuardByte = 0xA5;
constexpr size_t kEntriesAt = kFrameHeaderBytes + kGuardBytes;

Editor* gCurrentEditor = nullptr;

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

std::string Join(std::initializer_list<std::string> parts) {
    std::string joined;
    for (const std::string& part : parts) joined += (joined.empty() ? "" : ", ") + part;
    return joined;
}

template <typename T>
std::string Num(T value) {
    return std::to_string(value);
}

}  // namespace

Editor* CurrentEditor() { return gCurrentEditor; }
void SetCurrentEditor(Editor* editor) { gCurrentEditor = editor; }

std::array<uint8_t, kRegionBytes> RegionBytes(const Selection& s) {
    std::array<uint8_t, kRegionBytes> bytes{};
    WriteLE(bytes.data() + 0, 2, s.startRef);
    WriteLE(bytes.data() + 2, 2, static_cast<uint16_t>(s.startStaff));
    WriteLE(bytes.data() + 4, 2, static_cast<uint16_t>(s.startMeasure));
    WriteLE(bytes.data() + 6, 4, static_cast<uint32_t>(s.startPosition));
    WriteLE(bytes.data() + 10, 2, 0xCCCC);  // the editor's own bytes, not read by the plug-in
    WriteLE(bytes.data() + 12, 2, static_cast<uint16_t>(s.endStaff));
    WriteLE(bytes.data() + 14, 2, static_cast<uint16_t>(s.endMeasure));
    WriteLE(bytes.data() + 16, 4, static_cast<uint32_t>(s.endPosition));
    return bytes;
}

Selection WholeScore(const Score& score) {
    Selection s;
    s.endStaff = static_cast<int16_t>(score.staves);
    s.endMeasure = static_cast<int16_t>(score.measures);
    return s;
}

Editor::Editor(Score s) : score(std::move(s)) {}

Editor::~Editor() {
    for (const auto& [block, loan] : loans_) FreeLow(const_cast<void*>(block), loan.bytes);
    if (gCurrentEditor == this) gCurrentEditor = nullptr;
}

std::vector<std::string> Editor::CallTexts() const {
    std::vector<std::string> texts;
    for (const ServiceCall& call : calls) texts.push_back(call.text);
    return texts;
}

void Editor::Record(const std::string& service, const std::string& arguments) {
    calls.push_back({service, service + "(" + arguments + ")"});
}

std::string Editor::Describe(const void* pointer) const {
    if (pointer == nullptr) return "null";
    if (pointer == selectedRegion) return "region";
    const auto loan = loans_.find(pointer);
    if (loan != loans_.end()) return "frame" + Num(loan->second.serial);
    char text[32];
    std::snprintf(text, sizeof text, "%p", pointer);
    return text;
}

uint32_t Editor::StartMassEdit(const void* region, uint32_t zero, uint32_t version) {
    Record("QL_StartMassEdit", Join({Describe(region), Num(zero), Hex(version)}));
    ++counts.massEditsOpened;
    return nextHandle_++;
}

int16_t Editor::MassEditProgress(uint32_t handle, int16_t four, int16_t staff, int16_t measure, int16_t minusOne,
                                 uint32_t version) {
    Record("QL_MassEditProgress", Join({Hex(handle), Num(four), Num(staff), Num(measure), Num(minusOne), Hex(version)}));
    ++counts.progressCalls;
    if (onProgress) onProgress(staff, measure);
    const bool cancel = counts.progressCalls == settings.cancelAtProgressCall ||
                        (settings.cancelRequested && settings.cancelRequested());
    if (!cancel) return 1;
    counts.cancelledAtStaff = staff;
    counts.cancelledAtMeasure = measure;
    return 0;
}

int16_t Editor::EndMassEdit(uint32_t handle, int16_t abandoned, uint32_t version) {
    Record("QL_EndMassEdit", Join({Hex(handle), Num(abandoned), Hex(version)}));
    ++counts.massEditsClosed;
    counts.lastEndAbandoned = abandoned;
    return 1;
}

int16_t Editor::GetShowLayer(int16_t layer, uint32_t version) {
    Record("QL_GetShowLayer", Join({Num(layer), Hex(version)}));
    if (layer < 0 || layer >= kLayers) return 0;
    return settings.hiddenLayers[static_cast<size_t>(layer)] ? 0 : 1;
}

void* Editor::LoadTGF(uint16_t startRef, int16_t staff, int16_t measure, int16_t layer, int16_t one,
                      uint32_t version) {
    Record("QL_LoadTGF", Join({Num(startRef), Num(staff), Num(measure), Num(layer), Num(one), Hex(version)}));
    const Cell cell{staff, measure, layer};
    if (!score.Contains(staff, measure, layer) || settings.refusedFrames.count(cell) != 0) return nullptr;
    const Frame& frame = score.At(staff, measure, layer);
    const size_t entryBytes = frame.entries.size() * kEntryBytes;
    const size_t bytes = kEntriesAt + entryBytes + kGuardBytes;
    auto* block = static_cast<uint8_t*>(AllocateLow(bytes));
    if (block == nullptr) {
        faults.push_back("no memory below 4 GiB for a frame");
        return nullptr;
    }
    std::memcpy(block, frame.header.data(), kFrameHeaderBytes);
    std::memset(block + kFrameHeaderBytes, kGuardByte, kGuardBytes);
    if (entryBytes != 0) std::memcpy(block + kEntriesAt, frame.entries.data(), entryBytes);
    std::memset(block + kEntriesAt + entryBytes, kGuardByte, kGuardBytes);
    WriteLE(block + kFrameEntriesField, 4, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(block + kEntriesAt)));
    loans_[block] = Loan{cell, nextSerial_++, bytes, frame.entries.size()};
    ++counts.framesLoaded;
    return block;
}

bool Editor::GuardsIntact(const uint8_t* block, const Loan& loan) const {
    const uint8_t* after = block + kEntriesAt + loan.entryCount * kEntryBytes;
    for (size_t k = 0; k < kGuardBytes; ++k)
        if (block[kFrameHeaderBytes + k] != kGuardByte || after[k] != kGuardByte) return false;
    return true;
}

int16_t Editor::SaveTGF(void* frame, uint32_t version) {
    Record("QL_SaveTGF", Join({Describe(frame), Hex(version)}));
    const auto found = loans_.find(frame);
    if (found == loans_.end()) {
        faults.push_back("QL_SaveTGF of a frame that is not lent");
        return 0;
    }
    const Loan& loan = found->second;
    const auto* block = static_cast<const uint8_t*>(frame);
    if (!GuardsIntact(block, loan)) faults.push_back("a frame was written outside its entries");
    Frame& stored = score.At(std::get<0>(loan.cell), std::get<1>(loan.cell), std::get<2>(loan.cell));
    // The editor takes back everything but the address of its own entries block.
    std::array<uint8_t, kFrameHeaderBytes> header;
    std::memcpy(header.data(), block, kFrameHeaderBytes);
    std::memcpy(header.data() + kFrameEntriesField, stored.header.data() + kFrameEntriesField, 4);
    const Frame before = onStore ? stored : Frame{};
    stored.header = header;
    if (loan.entryCount != 0) std::memcpy(stored.entries.data(), block + kEntriesAt, loan.entryCount * kEntryBytes);
    if (onStore) onStore(loan.cell, before, stored);
    ++counts.framesStored;
    return 1;
}

int16_t Editor::FreeTGF(void* frame, uint32_t version) {
    Record("QL_FreeTGF", Join({Describe(frame), Hex(version)}));
    const auto found = loans_.find(frame);
    if (found == loans_.end()) {
        faults.push_back("QL_FreeTGF of a frame that is not lent");
        return 0;
    }
    if (!GuardsIntact(static_cast<const uint8_t*>(frame), found->second))
        faults.push_back("a frame was written outside its entries");
    FreeLow(frame, found->second.bytes);
    loans_.erase(found);
    ++counts.framesReleased;
    return 1;
}

DataKeyBytes DataKey(int16_t number, int16_t index, uint32_t extra) {
    DataKeyBytes key{};
    WriteLE(key.data(), 2, static_cast<uint16_t>(number));
    WriteLE(key.data() + 2, 2, static_cast<uint16_t>(index));
    WriteLE(key.data() + 4, 4, extra);
    return key;
}

std::string TagText(uint32_t tag) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>(tag >> shift);
        if (c < 0x20 || c > 0x7E) return Hex(tag);
        text += c;
    }
    return text;
}

namespace {

struct ReadKey {
    int16_t number;
    int16_t index;
    uint32_t extra;
};

ReadKey ReadDataKey(const void* key) {
    const auto* bytes = static_cast<const uint8_t*>(key);
    return {static_cast<int16_t>(ReadLE(bytes, 2)), static_cast<int16_t>(ReadLE(bytes + 2, 2)), ReadLE(bytes + 4, 4)};
}

std::string KeyText(const void* key) {
    if (key == nullptr) return "null";
    const ReadKey k = ReadDataKey(key);
    return Join({Num(k.number), Num(k.index), Num(k.extra)});
}

}  // namespace

int16_t Editor::LoadEData(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version) {
    Record("QL_LoadEData", Join({TagText(tag), KeyText(key), buffer ? "buffer" : "null", size ? Num(*size) : "null",
                                 Hex(version)}));
    if (settings.loadAnswer) {
        if (const auto answer = settings.loadAnswer(tag, static_cast<uint8_t*>(buffer), size)) return *answer;
    }
    if (key == nullptr) return 0;
    const ReadKey k = ReadDataKey(key);
    const auto found = dataRecords.find({tag, k.number, k.index});
    if (found == dataRecords.end() || size == nullptr) return 0;
    const auto recordSize = static_cast<int32_t>(found->second.size());
    if (buffer != nullptr) {
        if (*size < recordSize) return 0;
        std::memcpy(buffer, found->second.data(), found->second.size());
    }
    *size = recordSize;
    return 1;
}

int16_t Editor::SaveEData(uint32_t tag, void* key, const void* buffer, int32_t length, uint32_t version) {
    Record("QL_SaveEData", Join({TagText(tag), KeyText(key), buffer ? "buffer" : "null", Num(length), Hex(version)}));
    if (key == nullptr || buffer == nullptr || length < 0) return 0;
    const ReadKey k = ReadDataKey(key);
    const DataRecordKey where{tag, k.number, k.index};
    if (settings.failingStores.count(where) != 0) return 0;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    dataRecords[where] = std::vector<uint8_t>(bytes, bytes + length);
    return 1;
}

}  // namespace standin
