#include "sim/score_json.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <set>

#include "sim/atomic_file.h"
#include "sim/input_error.h"
#include "sim/text_position.h"

namespace sim {
namespace {

using nlohmann::json;
using standin::EntryBytes;
using standin::Score;

struct Reader {
    const std::string& file;

    [[noreturn]] void Fail(const std::string& where, const std::string& what) const {
        throw InputError(file + ": " + where + ": " + what);
    }

    const json& Member(const json& object, const char* name, const std::string& where) const {
        if (!object.is_object()) Fail(where, "expected an object");
        const auto found = object.find(name);
        if (found == object.end()) Fail(where, std::string("missing \"") + name + "\"");
        return *found;
    }

    int64_t Integer(const json& value, const std::string& where, int64_t lowest, int64_t highest) const {
        if (!value.is_number_integer()) Fail(where, "expected an integer");
        const int64_t n = value.get<int64_t>();
        if (n < lowest || n > highest)
            Fail(where, std::to_string(n) + " is outside " + std::to_string(lowest) + " to " + std::to_string(highest));
        return n;
    }

    uint32_t Flags(const json& value, const std::string& where, uint64_t highest) const {
        uint64_t n = 0;
        if (value.is_string()) {
            const std::string text = value.get<std::string>();
            char* end = nullptr;
            n = std::strtoull(text.c_str(), &end, 0);
            if (text.empty() || *end != '\0' || text[0] == '-') Fail(where, "\"" + text + "\" is not a flag word");
        } else if (value.is_number_unsigned()) {
            n = value.get<uint64_t>();
        } else {
            Fail(where, "expected a flag word (a number or a hexadecimal string)");
        }
        if (n > highest) Fail(where, "flag word wider than " + std::to_string(highest == 0xFFFF ? 16 : 32) + " bits");
        return static_cast<uint32_t>(n);
    }

    EntryBytes Entry(const json& value, const std::string& where, uint32_t seed) const {
        const int64_t position = Integer(Member(value, "position", where), where + ".position", INT32_MIN, INT32_MAX);
        const uint32_t flags = value.contains("flags") ? Flags(value["flags"], where + ".flags", 0xFFFF) : 0;
        std::vector<uint32_t> notes;
        if (value.contains("notes")) {
            const json& list = value["notes"];
            if (!list.is_array()) Fail(where + ".notes", "expected a list of note flag words");
            if (list.size() > standin::kNoteSlots) Fail(where + ".notes", "an entry holds at most 12 notes");
            for (size_t n = 0; n < list.size(); ++n)
                notes.push_back(Flags(list[n], where + ".notes[" + std::to_string(n) + "]", 0xFFFFFFFF));
        }
        return standin::MakeEntry(static_cast<int32_t>(position), static_cast<uint16_t>(flags), notes, seed);
    }
};

}  // namespace

Score ParseScoreJson(const std::string& text, const std::string& file) {
    json document;
    try {
        document = json::parse(text);
    } catch (const json::parse_error& e) {
        const size_t offset = e.byte == 0 ? 0 : e.byte - 1;
        std::string why = e.what();
        const size_t cut = why.find("syntax error");
        throw InputError(file + ":" + LineAndColumn(text, offset) + ": " + (cut == std::string::npos ? why : why.substr(cut)));
    }
    const Reader read{file};
    const auto staves = static_cast<int>(read.Integer(read.Member(document, "staves", "score"), "staves", 1, 32767));
    const auto measures = static_cast<int>(read.Integer(read.Member(document, "measures", "score"), "measures", 1, 32767));
    if (static_cast<int64_t>(staves) * measures > 10'000'000) read.Fail("score", "more than ten million cells");
    Score score = standin::MakeScore(staves, measures);
    std::set<std::tuple<int, int, int>> seen;
    uint32_t seed = 1;
    if (!document.contains("frames")) return score;
    const json& frames = document["frames"];
    if (!frames.is_array()) read.Fail("frames", "expected a list of frames");
    for (size_t f = 0; f < frames.size(); ++f) {
        const std::string where = "frames[" + std::to_string(f) + "]";
        const json& frame = frames[f];
        const auto staff = static_cast<int>(read.Integer(read.Member(frame, "staff", where), where + ".staff", 1, staves));
        const auto measure =
            static_cast<int>(read.Integer(read.Member(frame, "measure", where), where + ".measure", 1, measures));
        const auto layer = static_cast<int>(read.Integer(read.Member(frame, "layer", where), where + ".layer", 0, 3));
        if (!seen.insert({staff, measure, layer}).second) read.Fail(where, "a second frame for the same staff, measure and layer");
        const json& entries = read.Member(frame, "entries", where);
        if (!entries.is_array()) read.Fail(where + ".entries", "expected a list of entries");
        if (entries.size() > 32767) read.Fail(where + ".entries", "more than 32767 entries");
        std::vector<EntryBytes> bytes;
        for (size_t e = 0; e < entries.size(); ++e)
            bytes.push_back(read.Entry(entries[e], where + ".entries[" + std::to_string(e) + "]", seed++));
        standin::SetEntries(score.At(staff, measure, layer), std::move(bytes));
    }
    return score;
}

Score ReadScoreJson(const std::string& path) { return ParseScoreJson(ReadWholeFile(path), path); }

std::string ScoreJsonText(const Score& score) {
    auto hex = [](uint32_t value, int digits) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%0*X", digits, value);
        return std::string(text);
    };
    json frames = json::array();
    for (int measure = 1; measure <= score.measures; ++measure)
        for (int staff = 1; staff <= score.staves; ++staff)
            for (int layer = 0; layer < standin::kLayers; ++layer) {
                const standin::Frame& frame = score.At(staff, measure, layer);
                if (frame.entries.empty()) continue;
                json entries = json::array();
                for (const EntryBytes& entry : frame.entries) {
                    json notes = json::array();
                    const int count = std::clamp<int>(standin::EntryNoteCount(entry), 0, standin::kNoteSlots);
                    for (int n = 0; n < count; ++n) notes.push_back(hex(standin::NoteFlags(entry, n), 8));
                    entries.push_back({{"position", standin::EntryPosition(entry)},
                                       {"flags", hex(standin::EntryFlags(entry), 4)},
                                       {"notes", notes}});
                }
                frames.push_back({{"staff", staff}, {"measure", measure}, {"layer", layer}, {"entries", entries}});
            }
    const json document = {{"staves", score.staves}, {"measures", score.measures}, {"frames", frames}};
    return document.dump(1) + "\n";
}

void WriteScoreJson(const Score& score, const std::string& path) { WriteFileAtomically(path, ScoreJsonText(score)); }

}  // namespace sim
