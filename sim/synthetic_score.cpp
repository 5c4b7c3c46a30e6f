#include "sim/synthetic_score.h"

#include <regex>

#include "sim/input_error.h"

namespace sim {
namespace {

constexpr long long kMostCells = 200'000;        // about 600 MB of frames
constexpr int kEntriesPerLayer[] = {8, 6, 4, 2};  // fuller layers first, as scores are

std::vector<uint32_t> Chord(uint32_t k) {
    std::vector<uint32_t> notes(k % 4);  // rests, single notes and chords of two or three
    for (size_t n = 0; n < notes.size(); ++n) notes[n] = (k + n) % 5 == 0 ? standin::kNoteNoPlaybackBit : 0;
    return notes;
}

}  // namespace

standin::Score GenerateScore(const std::string& size) {
    static const std::regex notation(R"((\d{1,5})x(\d{1,5}))");
    std::smatch m;
    if (!std::regex_match(size, m, notation)) throw InputError("--generate " + size + ": expected MEASURESxSTAVES, e.g. 2000x40");
    const long long measures = std::stoll(m[1].str()), staves = std::stoll(m[2].str());
    if (measures < 1 || measures > 32767 || staves < 1 || staves > 32767)
        throw InputError("--generate " + size + ": measures and staves run from 1 to 32767");
    if (measures * staves > kMostCells)
        throw InputError("--generate " + size + ": more than " + std::to_string(kMostCells) + " cells");
    standin::Score score = standin::MakeScore(static_cast<int>(staves), static_cast<int>(measures));
    uint32_t k = 0;
    for (int measure = 1; measure <= score.measures; ++measure)
        for (int staff = 1; staff <= score.staves; ++staff)
            for (int layer = 0; layer < standin::kLayers; ++layer) {
                std::vector<standin::EntryBytes> entries;
                const int count = kEntriesPerLayer[layer];
                for (int e = 0; e < count; ++e, ++k) {
                    const auto flags = static_cast<uint16_t>(k % 7 == 0 ? standin::kEntryNoSpacingBit : 0);
                    entries.push_back(standin::MakeEntry(e * (4096 / count), flags, Chord(k), k));
                }
                standin::SetEntries(score.At(staff, measure, layer), std::move(entries));
            }
    return score;
}

}  // namespace sim
