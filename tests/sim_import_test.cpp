// Reading scores into the stand-in editor: the JSON format, MusicXML and region notation.

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "sim/input_error.h"
#include "sim/musicxml_import.h"
#include "sim/region_notation.h"
#include "sim/score_json.h"

namespace {

using namespace sim;
using standin::EntryNoteCount;
using standin::EntryPosition;

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const InputError& error) {
        return error.what();
    }
    return "";
}

TEST(ScoreJson, WritesWhatItReads) {
    const standin::Score score = ReadScoreJson(REGIONFLAGS_SOURCE_DIR "/examples/two-staves.json");
    ASSERT_EQ(score.staves, 2);
    ASSERT_EQ(score.measures, 3);
    const auto& entry = score.At(1, 1, 0).entries[2];
    EXPECT_EQ(EntryPosition(entry), 768);
    EXPECT_EQ(standin::EntryFlags(entry), 0x0100);
    EXPECT_EQ(standin::NoteFlags(entry, 0), 0x00400000u);
    const standin::Score again = ParseScoreJson(ScoreJsonText(score), "again.json");
    EXPECT_EQ(ScoreJsonText(again), ScoreJsonText(score));
}

TEST(ScoreJson, NamesTheFileAndThePlaceOfEveryFault) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"{\"staves\": 1,\n \"measures\": }", "s.json:2:14: syntax error"},
        {"{\"measures\": 1}", "s.json: score: missing \"staves\""},
        {"{\"staves\": 0, \"measures\": 1}", "s.json: staves: 0 is outside 1 to 32767"},
        {"{\"staves\": 1, \"measures\": 1, \"frames\": [{\"staff\": 2, \"measure\": 1, \"layer\": 0, \"entries\": []}]}",
         "s.json: frames[0].staff: 2 is outside 1 to 1"},
        {"{\"staves\": 1, \"measures\": 1, \"frames\": [{\"staff\": 1, \"measure\": 1, \"layer\": 0, \"entries\": "
         "[{\"position\": 0, \"notes\": [0,0,0,0,0,0,0,0,0,0,0,0,0]}]}]}",
         "s.json: frames[0].entries[0].notes: an entry holds at most 12 notes"},
        {"{\"staves\": 1, \"measures\": 1, \"frames\": [{\"staff\": 1, \"measure\": 1, \"layer\": 0, \"entries\": "
         "[{\"position\": 0, \"flags\": \"0x10000\"}]}]}",
         "s.json: frames[0].entries[0].flags: flag word wider than 16 bits"},
        {"{\"staves\": 1, \"measures\": 1, \"frames\": [{\"staff\": 1, \"measure\": 1, \"layer\": 0, \"entries\": []},"
         "{\"staff\": 1, \"measure\": 1, \"layer\": 0, \"entries\": []}]}",
         "s.json: frames[1]: a second frame for the same staff, measure and layer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ErrorOf([&] { ParseScoreJson(c.text, "s.json"); }).rfind(c.message, 0), 0u)
            << ErrorOf([&] { ParseScoreJson(c.text, "s.json"); });
    }
}

TEST(Region, ReadsMeasuresStavesAndPositions) {
    const standin::Score score = standin::MakeScore(3, 6);
    const standin::Selection s = ParseRegion("3:1@256-5:2@1024", score);
    EXPECT_EQ(s.startMeasure, 3);
    EXPECT_EQ(s.startStaff, 1);
    EXPECT_EQ(s.startPosition, 256);
    EXPECT_EQ(s.endMeasure, 5);
    EXPECT_EQ(s.endStaff, 2);
    EXPECT_EQ(s.endPosition, 1024);
    const standin::Selection whole = ParseRegion("1:1-6:3", score);
    EXPECT_EQ(whole.startPosition, INT32_MIN);
    EXPECT_EQ(whole.endPosition, INT32_MAX);
    for (const char* bad : {"3:1", "3:1-5", "a:1-2:2", "0:1-2:2", "1:1-7:1", "1:1-2:4", "1:1@x-2:2",
                            "99999999999:1-2:2"})
        EXPECT_NE(ErrorOf([&] { ParseRegion(bad, score); }).find("--region"), std::string::npos) << bad;
}

const ImportedScore& Import(const std::string& name) {
    static std::map<std::string, ImportedScore> cache;
    auto found = cache.find(name);
    if (found == cache.end())
        found = cache.emplace(name, ImportMusicXml(REGIONFLAGS_SOURCE_DIR "/tests/data/musicxml/" + name)).first;
    return found->second;
}

std::vector<int32_t> Positions(const standin::Frame& frame) {
    std::vector<int32_t> positions;
    for (const auto& entry : frame.entries) positions.push_back(EntryPosition(entry));
    return positions;
}

TEST(MusicXml, EveryRealScoreImports) {
    int files = 0;
    for (const auto& file : std::filesystem::directory_iterator(REGIONFLAGS_SOURCE_DIR "/tests/data/musicxml")) {
        if (!LooksLikeMusicXml(file.path().string())) continue;
        SCOPED_TRACE(file.path().string());
        const ImportedScore& imported = Import(file.path().filename().string());
        EXPECT_GT(imported.score.staves, 0);
        EXPECT_GT(imported.score.measures, 0);
        EXPECT_GT(imported.entries, 0);
        EXPECT_TRUE(imported.warnings.empty()) << imported.warnings.front();
        ++files;
    }
    EXPECT_EQ(files, 10);
}

TEST(MusicXml, BackupAndForwardPlaceTheVoices) {
    const ImportedScore& imported = Import("00k-Basics-Backup.xml");
    ASSERT_EQ(imported.score.staves, 1);
    // Two quarters in voice 1, then a backup of one quarter: voice 2 starts on the second beat.
    EXPECT_EQ(Positions(imported.score.At(1, 1, 0)), (std::vector<int32_t>{0, 1024}));
    EXPECT_EQ(Positions(imported.score.At(1, 1, 1)), (std::vector<int32_t>{1024, 2048}));
}

TEST(MusicXml, AChordIsOneEntryAndAPianoPartTwoStaves) {
    const ImportedScore& chords = Import("21c-Chords-ThreeNotesDuration.xml");
    const auto& first = chords.score.At(1, 1, 0).entries;
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(EntryNoteCount(first[0]), 3);
    const ImportedScore& piano = Import("08f-PianoStaff-PJB.xml");
    EXPECT_EQ(piano.score.staves, 2);
    EXPECT_EQ(piano.parts, 1);
}

std::string Partwise(const std::string& notes) {
    return "<score-partwise><part-list><score-part id=\"P1\"><part-name>Flute</part-name></score-part></part-list>"
           "<part id=\"P1\"><measure number=\"1\"><attributes><divisions>2</divisions></attributes>" +
           notes + "</measure></part></score-partwise>";
}

std::string Note(int voice, bool chord = false, int duration = 2) {
    return std::string("<note>") + (chord ? "<chord/>" : "") + "<pitch><step>C</step><octave>4</octave></pitch><duration>" +
           std::to_string(duration) + "</duration><voice>" + std::to_string(voice) + "</voice></note>";
}

TEST(MusicXml, WarnsOfWhatItCannotMap) {
    std::string thirteen = Note(1);
    for (int k = 0; k < 12; ++k) thirteen += Note(1, true);
    const ImportedScore big = ImportMusicXmlText(Partwise(thirteen), "big.xml");
    EXPECT_EQ(EntryNoteCount(big.score.At(1, 1, 0).entries[0]), 12);
    ASSERT_EQ(big.warnings.size(), 1u);
    EXPECT_EQ(big.warnings[0], "big.xml: part P1 (Flute) measure 1: a chord of more than 12 notes; the notes beyond the 12th are left out");

    const ImportedScore fifth = ImportMusicXmlText(Partwise(Note(1) + "<backup><duration>2</duration></backup>" + Note(5, false, 1)), "v.xml");
    EXPECT_EQ(fifth.entries, 1);
    ASSERT_EQ(fifth.warnings.size(), 1u);
    EXPECT_NE(fifth.warnings[0].find("measure 1: voice 5 has no layer"), std::string::npos);

    const ImportedScore rests = ImportMusicXmlText(Partwise("<note><rest/><duration>1</duration></note>" + Note(1, false, 3)), "r.xml");
    EXPECT_EQ(Positions(rests.score.At(1, 1, 0)), (std::vector<int32_t>{0, 512}));  // divisions 2: a quarter is 1024
    EXPECT_EQ(EntryNoteCount(rests.score.At(1, 1, 0).entries[0]), 0);
}

TEST(MusicXml, RefusesWhatIsNoPartwiseScore) {
    EXPECT_EQ(ErrorOf([] { ImportMusicXmlText("<score-timewise/>", "t.xml"); }),
              "t.xml: a timewise MusicXML score cannot be imported; only partwise scores map to staves");
    EXPECT_EQ(ErrorOf([] { ImportMusicXmlText("<html/>", "h.xml"); }), "h.xml: not a MusicXML score (its root element is <html>)");
    EXPECT_EQ(ErrorOf([] { ImportMusicXmlText("<score-partwise>\n<part>\n</score-partwise>", "b.xml"); }).rfind("b.xml:3:", 0), 0u);
}

}  // namespace
