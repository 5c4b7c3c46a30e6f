// Every preference tag that the translation serves: the size it reports, the "ot" records
// it loads (each once, in the order of its first row) and a load-then-store round trip.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/data_record_fixture.h"
#include "support/map_notation.h"

namespace {

using testsupport::NotedFieldMaps;
using testsupport::NotedMap;
using testsupport::Tag;
using testsupport::Words;

struct Served {
    std::string tag;
    int16_t number;
    int32_t size;
    std::string otId;  // array-mapped: the elements' record
    uint16_t count;
    int16_t firstIndex;
};

// Field-mapped tags carry no otId; their records come from the noted rows.
const std::vector<Served> kServed = {
    {"pfPL", 0, 14, "", 0, 0},     {"pfDP", 3, 76, "", 0, 0},     {"pfSI", 0, 54, "", 0, 0},
    {"pfMS", 0, 104, "", 0, 0},    {"pfPF", 0, 48, "", 0, 0},     {"pfRP", -9, 40, "", 0, 0},
    {"pfPB", 0, 44, "", 0, 0},     {"pfSS", 0, 96, "", 0, 0},     {"pfGG", 0, 132, "88", 11, 0},
    {"pfGb", 3, 12, "98", 1, 2},   {"pfGs", 1, 12, "91", 1, 0},   {"pfMM", 0, 24, "25", 2, 0},
    {"pfPF", 1, 48, "77", 4, 0},   {"pfSC", 0, 24, "52", 2, 0},   {"pfSN", 5, 12, "40", 1, 4},
    {"pfSP", 0, 36, "94", 3, 0},   {"pfSl", 15, 12, "26", 1, 14}, {"pfTC", 0, 60, "86", 5, 0},
    {"pfTI", 0, 48, "84", 4, 0},   {"pfTX", 0, 96, "78", 8, 0},   {"pfTp", 0, 48, "85", 4, 0},
    {"pfTs", 9, 12, "90", 1, 8},
};

struct OtAddress {
    std::string id;
    int16_t number;
    int16_t index;
    bool operator<(const OtAddress& o) const {
        return std::tie(id, number, index) < std::tie(o.id, o.number, o.index);
    }
};

const NotedMap& NotesOf(const std::string& tag) {
    for (const NotedMap& map : NotedFieldMaps())
        if (map.tag == tag) return map;
    throw std::logic_error("no notes for " + tag);
}

// The records a translation of `served` addresses, in the order it must load them.
std::vector<OtAddress> RecordsOf(const Served& served) {
    std::vector<OtAddress> records;
    if (!served.otId.empty()) {
        for (int16_t k = 0; k < served.count; ++k)
            records.push_back({served.otId, -2, static_cast<int16_t>(served.firstIndex + k)});
        return records;
    }
    std::set<OtAddress> seen;
    for (const auto& row : NotesOf(served.tag).rows)
        if (seen.insert({row.id, row.keyNumber, row.keyIndex}).second)
            records.push_back({row.id, row.keyNumber, row.keyIndex});
    return records;
}

class ServedTags : public testsupport::DataRecordFixture {
protected:
    // Random words, except that inverted fields hold 0 or 1 so that they survive a round trip.
    void FillRecords(const Served& served) {
        uint32_t state = 12345;
        auto next = [&] { return static_cast<uint16_t>((state = state * 1103515245u + 12345u) >> 12); };
        for (const OtAddress& r : RecordsOf(served)) PutOt(r.id, r.number, r.index, {next(), next(), next(), next(), next(), next()});
        if (!served.otId.empty()) return;
        for (const auto& row : NotesOf(served.tag).rows) {
            if (row.mark != 'N') continue;
            Words words = OtWords(row.id, row.keyNumber, row.keyIndex);
            words[static_cast<size_t>(row.wordIndex)] &= 1;
            PutOt(row.id, row.keyNumber, row.keyIndex, words);
        }
    }

    // Records whose low-byte word is not the sign extension of its own low byte come back changed.
    std::set<OtAddress> ChangedByRoundTrip(const Served& served) {
        std::set<OtAddress> changed;
        if (!served.otId.empty()) return changed;
        for (const auto& row : NotesOf(served.tag).rows) {
            if (row.mark != 'B') continue;
            const uint16_t word = OtWords(row.id, row.keyNumber, row.keyIndex)[static_cast<size_t>(row.wordIndex)];
            if (word != static_cast<uint16_t>(static_cast<int8_t>(word & 0xFF))) changed.insert({row.id, row.keyNumber, row.keyIndex});
        }
        return changed;
    }
};

TEST_F(ServedTags, ReportTheirSizeWithoutAskingTheEditor) {
    for (const Served& served : kServed) {
        SCOPED_TRACE(served.tag + " " + std::to_string(served.number));
        editor.calls.clear();
        int32_t size = 0;
        EXPECT_EQ(Load(Tag(served.tag), served.number, nullptr, &size), 1);
        EXPECT_EQ(size, served.size);
        EXPECT_TRUE(editor.calls.empty());
    }
}

TEST_F(ServedTags, LoadEachOfTheirRecordsOnceInOrder) {
    for (const Served& served : kServed) {
        SCOPED_TRACE(served.tag + " " + std::to_string(served.number));
        editor.calls.clear();
        FillRecords(served);
        std::vector<uint8_t> buffer(static_cast<size_t>(served.size));
        int32_t size = served.size;
        ASSERT_EQ(Load(Tag(served.tag), served.number, buffer.data(), &size), 1);
        EXPECT_EQ(size, served.size);
        std::vector<std::string> expected;
        for (const OtAddress& r : RecordsOf(served)) expected.push_back(OtLoad("ot" + r.id, r.number, r.index));
        EXPECT_EQ(editor.CallTexts(), expected);
    }
}

TEST_F(ServedTags, StoreOnlyWhatARoundTripChanges) {
    for (const Served& served : kServed) {
        SCOPED_TRACE(served.tag + " " + std::to_string(served.number));
        editor.dataRecords.clear();
        FillRecords(served);
        const auto before = editor.dataRecords;
        std::vector<uint8_t> buffer(static_cast<size_t>(served.size));
        int32_t size = served.size;
        ASSERT_EQ(Load(Tag(served.tag), served.number, buffer.data(), &size), 1);
        const std::set<OtAddress> changed = ChangedByRoundTrip(served);
        editor.calls.clear();
        ASSERT_EQ(Save(Tag(served.tag), served.number, buffer.data(), served.size), 1);

        std::vector<std::string> expectedStores;
        for (const OtAddress& r : RecordsOf(served))
            if (!served.otId.empty() || changed.count(r) != 0) expectedStores.push_back(OtStore("ot" + r.id, r.number, r.index));
        EXPECT_EQ(CallsTo("QL_SaveEData"), expectedStores);
        if (served.otId.empty()) {
            EXPECT_EQ(CallsTo("QL_LoadEData").size(), RecordsOf(served).size());
        }
        for (const auto& [where, bytes] : editor.dataRecords) {
            const OtAddress r{standin::TagText(std::get<0>(where)).substr(2), std::get<1>(where), std::get<2>(where)};
            if (changed.count(r) == 0) {
                EXPECT_EQ(bytes, before.at(where)) << r.id;
            }
        }
    }
    // The low-byte fields of "pfSS" and "pfMS" do change some of these random words.
    Served spacing = kServed[7];
    FillRecords(spacing);
    EXPECT_FALSE(ChangedByRoundTrip(spacing).empty());
}

}  // namespace
