#include "sim/musicxml_import.h"

#include <algorithm>
#include <map>
#include <pugixml.hpp>
#include <set>

#include "sim/atomic_file.h"
#include "sim/input_error.h"
#include "sim/text_position.h"

namespace sim {
namespace {

struct PendingEntry {
    int32_t position;
    int notes;
};

using Cell = std::tuple<int, int, int>;  // staff, measure, layer

struct PartReader {
    const std::string& file;
    std::string partName;
    int firstStaff;  // of the whole score, for this part's staff 1
    int staves;
    std::map<Cell, std::vector<PendingEntry>>& frames;
    std::vector<std::string>& warnings;
    int entries = 0;

    void Warn(int measure, const std::string& what) {
        warnings.push_back(file + ": " + partName + " measure " + std::to_string(measure) + ": " + what);
    }

    void ReadMeasure(const pugi::xml_node& measureNode, int measure, long& divisions) {
        long cursor = 0, lastOnset = 0;
        std::map<std::pair<int, int>, std::pair<Cell, size_t>> lastEntry;  // (staff, voice) -> entry
        std::set<int> unmappedVoices;
        bool chordTooLarge = false;
        for (const pugi::xml_node& child : measureNode.children()) {
            const std::string name = child.name();
            if (name == "attributes") {
                const long d = child.child("divisions").text().as_int(0);
                if (d > 0) divisions = d;
            } else if (name == "backup") {
                cursor = std::max(0L, cursor - child.child("duration").text().as_int(0));
            } else if (name == "forward") {
                cursor += child.child("duration").text().as_int(0);
            } else if (name == "note") {
                const bool chord = child.child("chord") != nullptr;
                const bool grace = child.child("grace") != nullptr;
                const bool rest = child.child("rest") != nullptr;
                const long onset = chord ? lastOnset : cursor;
                if (!chord) lastOnset = onset;
                if (!chord && !grace) cursor += child.child("duration").text().as_int(0);

                const int voice = child.child("voice") ? child.child("voice").text().as_int(0) : 1;
                int staff = child.child("staff") ? child.child("staff").text().as_int(0) : 1;
                if (voice < 1 || voice > 4) {
                    if (unmappedVoices.insert(voice).second)
                        Warn(measure, "voice " + std::string(child.child_value("voice")) +
                                          " has no layer (voices 1 to 4 are layers 0 to 3); its notes are left out");
                    continue;
                }
                if (staff < 1 || staff > staves) {
                    Warn(measure, "a note on staff " + std::to_string(staff) + " of a part with " +
                                      std::to_string(staves) + " staves is left out");
                    continue;
                }
                const Cell cell{firstStaff + staff - 1, measure, voice - 1};
                const auto key = std::make_pair(staff, voice);
                const auto previous = lastEntry.find(key);
                if (chord && !rest && previous != lastEntry.end()) {
                    PendingEntry& entry = frames[previous->second.first][previous->second.second];
                    if (entry.notes < standin::kNoteSlots) {
                        ++entry.notes;
                    } else if (!chordTooLarge) {
                        chordTooLarge = true;
                        Warn(measure, "a chord of more than 12 notes; the notes beyond the 12th are left out");
                    }
                    continue;
                }
                const auto position = static_cast<int32_t>((2LL * onset * kPositionsPerQuarter + divisions) / (2 * divisions));
                std::vector<PendingEntry>& frame = frames[cell];
                frame.push_back({position, rest ? 0 : 1});
                lastEntry[key] = {cell, frame.size() - 1};
                ++entries;
            }
        }
    }
};

int StavesOfPart(const pugi::xml_node& part) {
    int staves = 1;
    for (const pugi::xml_node& measure : part.children("measure"))
        for (const pugi::xml_node& attributes : measure.children("attributes"))
            staves = std::max(staves, attributes.child("staves").text().as_int(1));
    return staves;
}

std::string NameOfPart(const pugi::xml_node& root, const pugi::xml_node& part) {
    const std::string id = part.attribute("id").value();
    const pugi::xml_node scorePart = root.child("part-list").find_child_by_attribute("score-part", "id", id.c_str());
    const std::string name = scorePart.child_value("part-name");
    return "part " + id + (name.empty() ? "" : " (" + name + ")");
}

}  // namespace

bool LooksLikeMusicXml(const std::string& path) {
    auto endsWith = [&](const std::string& suffix) {
        return path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    return endsWith(".musicxml") || endsWith(".xml");
}

ImportedScore ImportMusicXmlText(const std::string& text, const std::string& file) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
    if (!parsed)
        throw InputError(file + ":" + LineAndColumn(text, static_cast<size_t>(parsed.offset)) + ": " + parsed.description());
    const pugi::xml_node root = document.document_element();
    const std::string rootName = root.name();
    if (rootName == "score-timewise")
        throw InputError(file + ": a timewise MusicXML score cannot be imported; only partwise scores map to staves");
    if (rootName != "score-partwise") throw InputError(file + ": not a MusicXML score (its root element is <" + rootName + ">)");

    ImportedScore imported;
    int staves = 0, measures = 0;
    for (const pugi::xml_node& part : root.children("part")) {
        staves += StavesOfPart(part);
        measures = std::max(measures, static_cast<int>(std::distance(part.children("measure").begin(),
                                                                     part.children("measure").end())));
        ++imported.parts;
    }
    if (imported.parts == 0 || measures == 0) throw InputError(file + ": the score has no parts with measures");
    if (staves > 32767 || measures > 32767) throw InputError(file + ": more than 32767 staves or measures");

    std::map<Cell, std::vector<PendingEntry>> frames;
    int firstStaff = 1;
    for (const pugi::xml_node& part : root.children("part")) {
        PartReader reader{file, NameOfPart(root, part), firstStaff, StavesOfPart(part), frames, imported.warnings};
        long divisions = 1;
        int measure = 0;
        for (const pugi::xml_node& measureNode : part.children("measure")) reader.ReadMeasure(measureNode, ++measure, divisions);
        imported.entries += reader.entries;
        firstStaff += reader.staves;
    }

    imported.score = standin::MakeScore(staves, measures);
    uint32_t seed = 1;
    for (auto& [cell, pending] : frames) {
        std::stable_sort(pending.begin(), pending.end(),
                         [](const PendingEntry& a, const PendingEntry& b) { return a.position < b.position; });
        std::vector<standin::EntryBytes> entries;
        for (const PendingEntry& entry : pending)
            entries.push_back(standin::MakeEntry(entry.position, 0, std::vector<uint32_t>(static_cast<size_t>(entry.notes), 0), seed++));
        const auto& [staff, measure, layer] = cell;
        standin::SetEntries(imported.score.At(staff, measure, layer), std::move(entries));
    }
    return imported;
}

ImportedScore ImportMusicXml(const std::string& path) { return ImportMusicXmlText(ReadWholeFile(path), path); }

}  // namespace sim
