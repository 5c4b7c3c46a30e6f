// The translating data-record load and store against an editor whose records and answers
// the input decides: any tag (the preference tags, the special load tags, "ot" tags, any
// word), any key, a buffer of exactly the size the caller's contract gives (so any byte
// read or written past it is caught), any size location, store length and version word,
// and "ot" records that are present, missing or failing. The harness checks every editor
// call: inner calls are 12-byte "ot" loads and stores with the module's version word, each
// record loaded and stored at most once, a stored record changed only in words its map
// covers, and forwards that reach the editor unchanged. The editor reads every byte it is
// handed, so under valgrind an undefined byte shows where it reaches the editor or caller.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "support/export_table_platform.h"
#include "host/little_endian.h"
#include "host/service_wrappers.h"
#include "host/services.h"
#include "host/translate/array_map.h"
#include "host/translate/field_maps.h"
#include "host/translate/tag_words.h"

namespace {

using namespace regionflags::host;
using namespace regionflags::host::translate;

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "translation fuzzer: %s\n", what);
    std::abort();
}
void Require(bool holds, const char* what) {
    if (!holds) Fault(what);
}

// Every byte goes into a branch, so memcheck reports any that is undefined.
void ReadEveryByte(const void* bytes, int64_t count) {
    const auto* p = static_cast<const uint8_t*>(bytes);
    uint32_t sum = 0;
    for (int64_t k = 0; k < count; ++k) sum = sum * 31 + p[k];
    if (sum == 0x9E3779B9u) std::fputc(0, stderr);
}

bool IsOtTag(uint32_t tag) { return (tag >> 16) == 0x6F74; }

using RecordKey = std::tuple<uint32_t, int16_t, int16_t>;
enum class Presence { kPresent, kMissing, kFailing };

struct Record {
    Presence presence;
    uint8_t bytes[12];
    uint8_t delivered[12];
    int loads = 0;
    int stores = 0;
};

struct Request {
    bool save;
    uint32_t tag;
    uint8_t* key;
    uint8_t* buffer;
    int32_t* size;
    int32_t length;
    uint32_t version;
};

struct Run {
    FuzzedDataProvider* input;
    Request request;
    std::map<RecordKey, Record> records;
    int forwards = 0;
    int16_t lastForwardAnswer = 0;
    int64_t bufferBytes = 0;
    const FieldMap* fieldMap = nullptr;
    ArrayMatch arrayMatch{};
};
Run* gRun = nullptr;

Record& RecordAt(uint32_t tag, const void* key) {
    const RecordKey where{tag, LoadI16(static_cast<const uint8_t*>(key)), LoadI16(static_cast<const uint8_t*>(key) + 2)};
    auto found = gRun->records.find(where);
    if (found == gRun->records.end()) {
        Record record{};
        FuzzedDataProvider& in = *gRun->input;
        record.presence = static_cast<Presence>(in.ConsumeIntegralInRange(0, 2) == 0 ? in.ConsumeIntegralInRange(1, 2) : 0);
        for (uint8_t& byte : record.bytes) byte = in.ConsumeIntegral<uint8_t>();
        found = gRun->records.emplace(where, record).first;
    }
    return found->second;
}

// The words of the "ot" record at (tag, key) that the caller's field map covers.
uint8_t CoveredWords(uint32_t tag, int16_t number, int16_t index) {
    uint8_t words = 0;
    const FieldMap* map = gRun->fieldMap;
    for (uint16_t k = 0; map != nullptr && k < map->rowCount; ++k) {
        const FieldMapRow& row = map->rows[k];
        const int16_t rowNumber = row.keyNumber == 0 ? -2 : row.keyNumber;
        if (OtTagWord(row.id) != tag || rowNumber != number || row.keyIndex != index) continue;
        for (int16_t w = row.wordIndex; w < row.wordIndex + row.size / 2; ++w) words |= uint8_t(1u << w);
    }
    return words;
}

void CheckForward(uint32_t tag, void* key, const void* buffer, int32_t* size, int32_t length, uint32_t version) {
    const Request& r = gRun->request;
    Require(tag == r.tag && key == r.key && buffer == r.buffer && version == r.version, "a forward changed its arguments");
    Require(r.save ? length == r.length : size == r.size, "a forward changed its size or length");
    ++gRun->forwards;
}

extern "C" {

int16_t QL_CALL LoadEData(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version) {
    if (key != nullptr) ReadEveryByte(key, 8);
    if (size != nullptr) ReadEveryByte(size, 4);
    FuzzedDataProvider& in = *gRun->input;
    if (IsOtTag(tag) && tag != gRun->request.tag) {
        Require(version == kHostCallVersion && key != nullptr && buffer != nullptr && size != nullptr && *size == 12,
                "an inner load that is not a 12-byte load with the module's version");
        Record& record = RecordAt(tag, key);
        Require(++record.loads == 1, "an \"ot\" record loaded twice in one translation");
        if (record.presence == Presence::kMissing) return 0;
        if (record.presence == Presence::kFailing) {
            std::memset(buffer, in.ConsumeIntegral<uint8_t>(), 12);
            return 0;
        }
        std::memcpy(buffer, record.bytes, 12);
        std::memcpy(record.delivered, record.bytes, 12);
        return 1;
    }
    CheckForward(tag, key, buffer, size, 0, version);
    const int16_t answer = in.ConsumeBool() ? 0 : in.ConsumeIntegral<int16_t>();
    if (buffer != nullptr && size != nullptr && *size > 0) {
        const int32_t written = in.ConsumeIntegralInRange<int32_t>(0, *size);
        for (int32_t k = 0; k < written; ++k) static_cast<uint8_t*>(buffer)[k] = in.ConsumeIntegral<uint8_t>();
    }
    gRun->lastForwardAnswer = answer;
    return answer;
}

int16_t QL_CALL SaveEData(uint32_t tag, void* key, const void* buffer, int32_t length, uint32_t version) {
    if (key != nullptr) ReadEveryByte(key, 8);
    if (buffer != nullptr && length > 0) ReadEveryByte(buffer, length);
    if (IsOtTag(tag) && tag != gRun->request.tag) {
        Require(version == kHostCallVersion && key != nullptr && buffer != nullptr && length == 12,
                "an inner store that is not a 12-byte store with the module's version");
        Record& record = RecordAt(tag, key);
        Require(++record.stores == 1, "an \"ot\" record stored twice in one translation");
        const auto* stored = static_cast<const uint8_t*>(buffer);
        const int16_t number = LoadI16(static_cast<const uint8_t*>(key)), index = LoadI16(static_cast<const uint8_t*>(key) + 2);
        if (gRun->fieldMap != nullptr) {
            const uint8_t covered = CoveredWords(tag, number, index);
            Require(covered != 0, "a store of a record the map does not address");
            const uint8_t* before = record.presence == Presence::kPresent ? record.delivered : nullptr;
            for (int w = 0; w < 6; ++w) {
                if ((covered >> w & 1) != 0) continue;
                const uint16_t was = before != nullptr ? LoadU16(before + 2 * w) : 0;
                if (record.presence == Presence::kFailing) continue;  // whatever the failed load left
                Require(LoadU16(stored + 2 * w) == was, "a stored record changed in a word no field covers");
            }
        } else {
            const ArrayMatch& m = gRun->arrayMatch;
            Require(m.otTag == tag && number == -2 && index >= m.firstIndex && index < m.firstIndex + m.count,
                    "a store of an element outside the record");
            Require(std::memcmp(stored, gRun->request.buffer + 12 * (index - m.firstIndex), 12) == 0,
                    "an element stored with other bytes than the caller's");
        }
        return 1;
    }
    CheckForward(tag, key, buffer, nullptr, length, version);
    gRun->lastForwardAnswer = gRun->input->ConsumeIntegral<int16_t>();
    return gRun->lastForwardAnswer;
}
}

uint32_t ChooseTag(FuzzedDataProvider& in) {
    static const uint32_t kTags[] = {
        TagWord("pfPL"), TagWord("pfDP"), TagWord("pfSI"), TagWord("pfMS"), TagWord("pfPF"), TagWord("pfRP"),
        TagWord("pfPB"), TagWord("pfSS"), TagWord("pfGG"), TagWord("pfGb"), TagWord("pfGs"), TagWord("pfMM"),
        TagWord("pfSC"), TagWord("pfSN"), TagWord("pfSP"), TagWord("pfSl"), TagWord("pfTC"), TagWord("pfTI"),
        TagWord("pfTX"), TagWord("pfTp"), TagWord("pfTs"), kTagSOSD, kTagOtSD, kTagZeroProbe48, kTagZeroProbe108,
        TagWord("ot13"), TagWord("ot88"), TagWord("pfXX")};
    if (in.ConsumeIntegralInRange(0, 15) == 0) return in.ConsumeIntegral<uint32_t>();
    return kTags[in.ConsumeIntegralInRange<size_t>(0, std::size(kTags) - 1)];
}

int32_t ChooseCount(FuzzedDataProvider& in, int32_t natural) {
    switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: return natural - 1;
        case 1: return natural + in.ConsumeIntegralInRange(0, 8);
        case 2: return in.ConsumeIntegralInRange(-4, 300);
        case 3: return in.ConsumeIntegral<int32_t>() | int32_t(0x80000000);
        default: return natural;
    }
}

// The bytes the caller's contract says a load's buffer holds for this tag.
int32_t ContractBytes(uint32_t tag, int16_t number) {
    if (tag == kTagZeroProbe48) return 48;
    if (tag == kTagZeroProbe108) return 108;
    if (const FieldMap* map = FindFieldMap(tag, number)) return map->size;
    return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Run run{};
    run.input = &in;
    gRun = &run;
    Request& r = run.request;
    r.save = in.ConsumeBool();
    r.tag = ChooseTag(in);
    const int16_t number = in.ConsumeBool() ? in.ConsumeIntegralInRange<int16_t>(-3, 130) : in.ConsumeIntegral<int16_t>();
    std::vector<uint8_t> key(8);
    StoreU16(key.data(), static_cast<uint16_t>(number));
    StoreU16(key.data() + 2, in.ConsumeIntegral<uint16_t>());
    StoreU32(key.data() + 4, in.ConsumeIntegral<uint32_t>());
    r.key = in.ConsumeIntegralInRange(0, 31) == 0 ? nullptr : key.data();
    run.fieldMap = FindFieldMap(r.tag, number);
    run.arrayMatch = run.fieldMap == nullptr ? FindArrayMap(r.tag, number) : ArrayMatch{};
    const int32_t natural = run.fieldMap != nullptr ? run.fieldMap->size : 12 * run.arrayMatch.count;
    r.version = in.ConsumeBool() ? kHostCallVersion
                                 : (in.ConsumeBool() ? 0x07000000u : in.ConsumeIntegral<uint32_t>());
    const bool withBuffer = in.ConsumeIntegralInRange(0, 7) != 0;

    std::vector<uint8_t> bytes;
    int32_t sizeLocation = 0;
    if (r.save) {
        r.length = ChooseCount(in, natural);
        bytes.resize(withBuffer && r.length > 0 ? size_t(r.length) : 0);
        for (uint8_t& b : bytes) b = in.ConsumeIntegral<uint8_t>();
    } else {
        sizeLocation = ChooseCount(in, natural);
        r.size = in.ConsumeIntegralInRange(0, 7) == 0 ? nullptr : &sizeLocation;
        const int32_t claimed = r.size != nullptr ? std::max(sizeLocation, 0) : 0;
        const int32_t contract = r.key != nullptr ? ContractBytes(r.tag, number) : 0;
        bytes.resize(withBuffer ? size_t(std::min(std::max(claimed, contract), 1 << 16)) : 0);
        if (withBuffer && r.size != nullptr && sizeLocation > int32_t(bytes.size())) sizeLocation = int32_t(bytes.size());
        for (uint8_t& b : bytes) b = 0xEE;
    }
    // Exactly as many bytes as the record holds, in an allocation of its own.
    uint8_t* buffer = withBuffer ? static_cast<uint8_t*>(std::malloc(bytes.empty() ? 1 : bytes.size())) : nullptr;
    if (buffer != nullptr && !bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size());
    r.buffer = buffer;
    run.bufferBytes = static_cast<int64_t>(bytes.size());

    const uint8_t missing = in.ConsumeIntegralInRange(0, 15) == 0 ? in.ConsumeIntegralInRange(1, 3) : 0;
    testsupport::BeginRun({.loadEData = (missing & 1) != 0 ? nullptr : LoadEData,
                           .saveEData = (missing & 2) != 0 ? nullptr : SaveEData});

    const int16_t result = r.save ? QL_SaveEData(r.tag, r.key, r.buffer, r.length, r.version)
                                  : QL_LoadEData(r.tag, r.key, r.buffer, r.size, r.version);

    const bool lacking = (missing & (r.save ? 2 : 1)) != 0;
    const bool special = !r.save && (r.tag == kTagSOSD || r.tag == kTagZeroProbe48 || r.tag == kTagZeroProbe108);
    const bool mapped = r.key != nullptr && (run.fieldMap != nullptr || run.arrayMatch.otTag != 0) &&
                        !(r.save && static_cast<int32_t>(r.version) < static_cast<int32_t>(kHostCallVersion));
    if (lacking) {
        Require(result == 0 && run.forwards == 0 && run.records.empty(), "a lacking editor was called");
    } else if (mapped && !special) {
        Require(run.forwards == 0, "a translated record forwarded");
        Require(result == 0 || result == 1, "a translated result other than 0 or 1");
    } else if (!special || r.key == nullptr) {
        Require(run.forwards == 1 && run.records.empty() && result == run.lastForwardAnswer,
                "a plain call not forwarded once, unchanged");
    }
    if (buffer != nullptr) ReadEveryByte(buffer, run.bufferBytes);
    if (r.size != nullptr) ReadEveryByte(r.size, 4);
    std::free(buffer);
    gRun = nullptr;
    return 0;
}
