#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/editor_fixture.h"

namespace {

using namespace standin;
using testsupport::EditorFixture;

constexpr int16_t kSpacingOff = 0, kSpacingOn = 1, kPlaybackOff = 2, kPlaybackOn = 3;

Selection Region(int startMeasure, int startStaff, int endMeasure, int endStaff, int32_t startPosition = 0,
                 int32_t endPosition = 0x7FFFFFFF) {
    Selection s;
    s.startRef = 7;
    s.startMeasure = static_cast<int16_t>(startMeasure);
    s.startStaff = static_cast<int16_t>(startStaff);
    s.startPosition = startPosition;
    s.endMeasure = static_cast<int16_t>(endMeasure);
    s.endStaff = static_cast<int16_t>(endStaff);
    s.endPosition = endPosition;
    return s;
}

// One staff, one measure, layer 0 holding the given entries and every other layer empty.
Score OneFrame(std::vector<EntryBytes> entries) {
    Score score = MakeScore(1, 1);
    SetEntries(score.At(1, 1, 0), std::move(entries));
    return score;
}

using RegionWalk = EditorFixture;

TEST_F(RegionWalk, PlaybackOffMakesExactlyTheseEditorCalls) {
    editor.settings.hiddenLayers[2] = true;
    ASSERT_EQ(Invoke(kPlaybackOff, Region(3, 2, 4, 2, 512, 256)), 1);
    const std::vector<std::string> expected = {
        "QL_StartMassEdit(region, 0, 0x08000000)",
        "QL_MassEditProgress(0x5EED0001, 4, 2, 3, -1, 0x08000000)",
        "QL_GetShowLayer(0, 0x08000000)",
        "QL_LoadTGF(7, 2, 3, 0, 1, 0x08000000)",
        "QL_SaveTGF(frame1, 0x08000000)",
        "QL_FreeTGF(frame1, 0x08000000)",
        "QL_GetShowLayer(1, 0x08000000)",
        "QL_LoadTGF(7, 2, 3, 1, 1, 0x08000000)",
        "QL_SaveTGF(frame2, 0x08000000)",
        "QL_FreeTGF(frame2, 0x08000000)",
        "QL_GetShowLayer(2, 0x08000000)",
        "QL_GetShowLayer(3, 0x08000000)",
        "QL_LoadTGF(7, 2, 3, 3, 1, 0x08000000)",  // empty: released without a store
        "QL_FreeTGF(frame3, 0x08000000)",
        "QL_MassEditProgress(0x5EED0001, 4, 2, 4, -1, 0x08000000)",
        "QL_GetShowLayer(0, 0x08000000)",
        "QL_LoadTGF(7, 2, 4, 0, 1, 0x08000000)",
        "QL_SaveTGF(frame4, 0x08000000)",
        "QL_FreeTGF(frame4, 0x08000000)",
        "QL_GetShowLayer(1, 0x08000000)",
        "QL_LoadTGF(7, 2, 4, 1, 1, 0x08000000)",
        "QL_SaveTGF(frame5, 0x08000000)",
        "QL_FreeTGF(frame5, 0x08000000)",
        "QL_GetShowLayer(2, 0x08000000)",
        "QL_GetShowLayer(3, 0x08000000)",
        "QL_LoadTGF(7, 2, 4, 3, 1, 0x08000000)",
        "QL_FreeTGF(frame6, 0x08000000)",
        "QL_EndMassEdit(0x5EED0001, 0, 0x08000000)",
    };
    EXPECT_EQ(editor.CallTexts(), expected);
    EXPECT_TRUE(editor.faults.empty());
}

TEST_F(RegionWalk, VisitsMeasuresOuterStavesInnerAndReleasesEachFrameBeforeTheNextLayer) {
    Score score = MakeScore(2, 5);
    UseScore(score);
    ASSERT_EQ(Invoke(kPlaybackOff, Region(3, 1, 5, 2)), 1);
    std::vector<std::string> progress;
    int lent = 0;
    for (const ServiceCall& call : editor.calls) {
        if (call.service == "QL_MassEditProgress") progress.push_back(call.text);
        if (call.service == "QL_LoadTGF") {
            ASSERT_EQ(++lent, 1) << "two frames held at once";
        }
        if (call.service == "QL_FreeTGF") --lent;
        if (call.service == "QL_GetShowLayer") {
            ASSERT_EQ(lent, 0);
        }
    }
    const std::vector<std::string> expected = {
        "QL_MassEditProgress(0x5EED0001, 4, 1, 3, -1, 0x08000000)",
        "QL_MassEditProgress(0x5EED0001, 4, 2, 3, -1, 0x08000000)",
        "QL_MassEditProgress(0x5EED0001, 4, 1, 4, -1, 0x08000000)",
        "QL_MassEditProgress(0x5EED0001, 4, 2, 4, -1, 0x08000000)",
        "QL_MassEditProgress(0x5EED0001, 4, 1, 5, -1, 0x08000000)",
        "QL_MassEditProgress(0x5EED0001, 4, 2, 5, -1, 0x08000000)",
    };
    EXPECT_EQ(progress, expected);
    EXPECT_EQ(editor.counts.framesLoaded, 24);
    EXPECT_EQ(editor.counts.framesReleased, 24);
    EXPECT_EQ(editor.counts.framesStored, 0);
}

// The expected score, written from the command's rules by hand: which entries are in the
// region and what each command does to them.
Score Expected(const Score& before, int16_t command, const Selection& s) {
    Score after = before;
    for (int m = s.startMeasure; m <= s.endMeasure; ++m)
        for (int st = s.startStaff; st <= s.endStaff; ++st)
            for (int layer = 0; layer < kLayers; ++layer)
                for (EntryBytes& entry : after.At(st, m, layer).entries) {
                    const int32_t position = EntryPosition(entry);
                    if ((m == s.startMeasure && position < s.startPosition) ||
                        (m == s.endMeasure && position >= s.endPosition))
                        continue;
                    const bool set = command == kSpacingOff || command == kPlaybackOff;
                    if (command <= kSpacingOn) {
                        const uint16_t flags = EntryFlags(entry);
                        WriteLE(entry.data() + kEntryFlagsField, 2,
                                set ? flags | kEntryNoSpacingBit : flags & ~kEntryNoSpacingBit);
                    }
                    const uint32_t bit = command <= kSpacingOn ? kNoteNoSpacingBit : kNoteNoPlaybackBit;
                    for (int n = 0; n < EntryNoteCount(entry); ++n) {
                        uint8_t* field = entry.data() + kEntryFirstNote + n * kNoteBytes + kNoteFlagsField;
                        WriteLE(field, 4, set ? ReadLE(field, 4) | bit : ReadLE(field, 4) & ~bit);
                    }
                }
    return after;
}

TEST_F(RegionWalk, EachCommandChangesOnlyItsOwnBitsInEntriesInRange) {
    const Selection selection = Region(2, 1, 3, 2, 256, 768);
    for (int16_t command : {kSpacingOff, kSpacingOn, kPlaybackOff, kPlaybackOn}) {
        SCOPED_TRACE(command);
        UseScore(SampleScore());
        const Score expected = Expected(editor.score, command, selection);
        ASSERT_EQ(Invoke(command, selection), 1);
        for (size_t f = 0; f < expected.frames.size(); ++f) {
            ASSERT_EQ(editor.score.frames[f].header, expected.frames[f].header) << "frame " << f;
            ASSERT_EQ(editor.score.frames[f].entries, expected.frames[f].entries) << "frame " << f;
        }
        EXPECT_FALSE(CompareScores(SampleScore(), editor.score).flags.empty());
    }
}

TEST_F(RegionWalk, OneMeasureRegionTakesStartPositionInAndEndPositionOut) {
    UseScore(OneFrame({MakeEntry(99, 0, {0}), MakeEntry(100, 0, {0}), MakeEntry(199, 0, {0}),
                       MakeEntry(200, 0, {0})}));
    ASSERT_EQ(Invoke(kPlaybackOff, Region(1, 1, 1, 1, 100, 200)), 1);
    const auto& entries = editor.score.At(1, 1, 0).entries;
    EXPECT_EQ(NoteFlags(entries[0], 0), 0u);
    EXPECT_EQ(NoteFlags(entries[1], 0), kNoteNoPlaybackBit);
    EXPECT_EQ(NoteFlags(entries[2], 0), kNoteNoPlaybackBit);
    EXPECT_EQ(NoteFlags(entries[3], 0), 0u);
}

TEST_F(RegionWalk, PositionsCountOnlyInTheFirstAndLastMeasure) {
    Score score = MakeScore(1, 3);
    for (int m = 1; m <= 3; ++m) SetEntries(score.At(1, m, 0), {MakeEntry(-5, 0, {}), MakeEntry(5000, 0, {})});
    UseScore(score);
    ASSERT_EQ(Invoke(kSpacingOff, Region(1, 1, 3, 1, 0, 100)), 1);
    auto flagsAt = [&](int m, int e) { return EntryFlags(editor.score.At(1, m, 0).entries[e]); };
    EXPECT_EQ(flagsAt(1, 0), 0);  // before the start position
    EXPECT_EQ(flagsAt(1, 1), kEntryNoSpacingBit);
    EXPECT_EQ(flagsAt(2, 0), kEntryNoSpacingBit);  // a middle measure is taken whole
    EXPECT_EQ(flagsAt(2, 1), kEntryNoSpacingBit);
    EXPECT_EQ(flagsAt(3, 0), kEntryNoSpacingBit);
    EXPECT_EQ(flagsAt(3, 1), 0);  // at or after the end position
}

// Whether a frame is stored follows from what was visited, not from what changed.
struct StoreCase {
    const char* name;
    int16_t command;
    std::vector<EntryBytes> entries;
    bool stored;
    uint16_t entryFlagsAfter;
};

TEST_F(RegionWalk, StoresAFrameWhenAnEntryOrNoteWasVisited) {
    const std::vector<StoreCase> cases = {
        {"spacing off, entry without notes", kSpacingOff, {MakeEntry(0, 0x0001, {})}, true, 0x0801},
        {"spacing on, bits already clear", kSpacingOn, {MakeEntry(0, 0x0001, {0})}, true, 0x0001},
        {"playback off, entries without notes", kPlaybackOff, {MakeEntry(0, 0x0001, {})}, false, 0x0001},
        {"playback on, a note already heard", kPlaybackOn, {MakeEntry(0, 0x0001, {0})}, true, 0x0001},
        {"no entry in range", kSpacingOff, {MakeEntry(-1, 0x0001, {0})}, false, 0x0001},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ForgetHostBinding();
        editor.counts = {};
        UseScore(OneFrame(c.entries));
        ASSERT_EQ(Invoke(c.command, Region(1, 1, 1, 1)), 1);
        EXPECT_EQ(editor.counts.framesStored, c.stored ? 1 : 0);
        EXPECT_EQ(editor.counts.framesReleased, 4);
        EXPECT_EQ(EntryFlags(editor.score.At(1, 1, 0).entries[0]), c.entryFlagsAfter);
    }
}

TEST_F(RegionWalk, NoteCountIsClampedToTheTwelveSlots) {
    EntryBytes tooMany = MakeEntry(0, 0, std::vector<uint32_t>(12, 0), 3);
    SetEntryNoteCount(tooMany, 13);
    EntryBytes negative = MakeEntry(0, 0, {0}, 4);
    SetEntryNoteCount(negative, -1);
    UseScore(OneFrame({tooMany, negative}));
    const EntryBytes tooManyBefore = tooMany;
    ASSERT_EQ(Invoke(kPlaybackOff, Region(1, 1, 1, 1)), 1);
    const auto& entries = editor.score.At(1, 1, 0).entries;
    for (int n = 0; n < 12; ++n) EXPECT_EQ(NoteFlags(entries[0], n), kNoteNoPlaybackBit);
    // Past the twelfth slot lies the entry's position and the editor's own bytes.
    for (size_t k = kEntryFirstNote + 12 * kNoteBytes; k < kEntryBytes; ++k) EXPECT_EQ(entries[0][k], tooManyBefore[k]);
    EXPECT_EQ(NoteFlags(entries[1], 0), 0u);
    EXPECT_TRUE(editor.faults.empty());
}

TEST_F(RegionWalk, NegativeEntryCountVisitsNothing) {
    Score score = OneFrame({MakeEntry(0, 0, {0})});
    SetFrameEntryCount(score.At(1, 1, 0), -1);
    UseScore(score);
    ASSERT_EQ(Invoke(kSpacingOff, Region(1, 1, 1, 1)), 1);
    EXPECT_EQ(editor.counts.framesStored, 0);
    EXPECT_EQ(EntryFlags(editor.score.At(1, 1, 0).entries[0]), 0);
}

// How a whole walk goes, counted from the editor's side.
struct WalkCase {
    const char* name;
    Selection selection;
    int16_t command;
    std::function<void(EditorSettings&)> configure;
    int16_t result;
    int progressCalls;
    int framesLoaded;
    int framesStored;
    int endAbandoned;  // -1: the mass edit was never opened
};

TEST_F(RegionWalk, WalksAsTheRegionAndTheEditorDecide) {
    auto none = [](EditorSettings&) {};
    const std::vector<WalkCase> cases = {
        {"whole sample score", Region(1, 1, 4, 2), kSpacingOff, none, 1, 8, 32, 16, 0},
        {"measures reversed", Region(3, 1, 2, 2), kSpacingOff, none, 1, 0, 0, 0, 0},
        {"staves reversed", Region(1, 2, 4, 1), kSpacingOff, none, 1, 0, 0, 0, 0},
        {"cancelled at the first progress call", Region(1, 1, 4, 2), kSpacingOff,
         [](EditorSettings& s) { s.cancelAtProgressCall = 1; }, 0, 1, 0, 0, 1},
        {"cancelled at the third progress call", Region(1, 1, 4, 2), kSpacingOff,
         [](EditorSettings& s) { s.cancelAtProgressCall = 3; }, 0, 3, 8, 4, 1},
        {"layers 1 and 3 hidden", Region(1, 1, 4, 2), kSpacingOff,
         [](EditorSettings& s) { s.hiddenLayers = {false, true, false, true}; }, 1, 8, 16, 8, 0},
        {"every layer hidden", Region(1, 1, 4, 2), kSpacingOff,
         [](EditorSettings& s) { s.hiddenLayers = {true, true, true, true}; }, 1, 8, 0, 0, 0},
        {"a frame the editor refuses", Region(1, 1, 1, 1), kSpacingOff,
         [](EditorSettings& s) { s.refusedFrames = {{1, 1, 0}}; }, 1, 1, 3, 1, 0},
        {"command index 4", Region(1, 1, 4, 2), 4, none, 0, 0, 0, 0, -1},
        {"command index -1", Region(1, 1, 4, 2), -1, none, 0, 0, 0, 0, -1},
        {"command index 32767", Region(1, 1, 4, 2), 32767, none, 0, 0, 0, 0, -1},
        {"region ending at measure 32767", Region(32766, 1, 32767, 1), kPlaybackOn, none, 1, 2, 0, 0, 0},
        {"region ending at staff 32767", Region(1, 32767, 1, 32767), kPlaybackOn, none, 1, 1, 0, 0, 0},
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ForgetHostBinding();
        UseScore(SampleScore());
        editor.settings = {};
        editor.counts = {};
        editor.calls.clear();
        c.configure(editor.settings);
        EXPECT_EQ(Invoke(c.command, c.selection), c.result);
        EXPECT_EQ(editor.counts.progressCalls, c.progressCalls);
        EXPECT_EQ(editor.counts.framesLoaded, c.framesLoaded);
        EXPECT_EQ(editor.counts.framesStored, c.framesStored);
        EXPECT_EQ(editor.counts.framesReleased, c.framesLoaded);
        EXPECT_EQ(editor.counts.massEditsOpened, c.endAbandoned < 0 ? 0 : 1);
        EXPECT_EQ(editor.counts.massEditsClosed, c.endAbandoned < 0 ? 0 : 1);
        EXPECT_EQ(editor.counts.lastEndAbandoned, c.endAbandoned);
        if (c.endAbandoned < 0) {
            EXPECT_TRUE(editor.calls.empty());
        }
        EXPECT_TRUE(editor.faults.empty());
    }
}

TEST_F(RegionWalk, CancellationKeepsWhatWasStoredBeforeIt) {
    editor.settings.cancelAtProgressCall = 2;
    ASSERT_EQ(Invoke(kSpacingOff, Region(1, 1, 4, 2)), 0);
    EXPECT_EQ(EntryFlags(editor.score.At(1, 1, 0).entries[0]) & kEntryNoSpacingBit, kEntryNoSpacingBit);
    EXPECT_EQ(EntryFlags(editor.score.At(2, 1, 0).entries[0]) & kEntryNoSpacingBit, 0);
    EXPECT_EQ(editor.calls.back().text, "QL_EndMassEdit(0x5EED0001, 1, 0x08000000)");
}

TEST_F(RegionWalk, AnEditorLackingAnyWalkServiceIsRefusedBeforeAnyCall) {
    for (const char* missing : {"QL_StartMassEdit", "QL_MassEditProgress", "QL_EndMassEdit", "QL_GetShowLayer",
                                "QL_LoadTGF", "QL_SaveTGF", "QL_FreeTGF"}) {
        SCOPED_TRACE(missing);
        testsupport::ForgetHostBinding();
        editor.settings.missingServices = {missing};
        editor.calls.clear();
        UseScore(SampleScore());
        EXPECT_EQ(Invoke(kSpacingOff, Region(1, 1, 4, 2)), 0);
        EXPECT_TRUE(editor.calls.empty());
        EXPECT_TRUE(CompareScores(SampleScore(), editor.score).flags.empty());
    }
}

TEST_F(RegionWalk, TheDataRecordServicesAreNotNeededByTheCommands) {
    editor.settings.missingServices = {"QL_LoadEData", "QL_SaveEData"};
    EXPECT_EQ(Invoke(kSpacingOff, Region(1, 1, 1, 1)), 1);
}

TEST_F(RegionWalk, ANullRegionIsRefusedWithoutAnyCall) {
    EXPECT_EQ(QuorlaExtensionInvoke(0, kSpacingOff, nullptr, 0), 0);
    EXPECT_TRUE(editor.calls.empty());
}

}  // namespace

namespace {

// For any region and editor: one progress call and four layer queries per cell, one load
// per shown layer, one release per frame delivered, a store only where an entry (Spacing)
// or a note (Playback) of the region was met, one start and one end: nothing more.
TEST_F(RegionWalk, MakesTheFewestEditorCallsTheRulesAllow) {
    uint32_t state = 2024;
    auto next = [&](uint32_t bound) { return ((state = state * 1664525u + 1013904223u) >> 8 & 0xFFFFFF) % bound; };
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        testsupport::ForgetHostBinding();
        UseScore(SampleScore());
        editor.settings = {};
        editor.counts = {};
        editor.calls.clear();
        for (size_t layer = 0; layer < 4; ++layer) editor.settings.hiddenLayers[layer] = next(3) == 0;
        if (next(4) == 0) editor.settings.refusedFrames = {{int(next(2)) + 1, int(next(4)) + 1, int(next(4))}};
        const Selection s = Region(int(next(5)) + 1, int(next(3)) + 1, int(next(5)) + 1, int(next(3)) + 1,
                                   int32_t(next(1100)) - 50, int32_t(next(1100)) - 50);
        const auto command = static_cast<int16_t>(next(4));

        int cells = 0, loads = 0, delivered = 0, stores = 0;
        for (int m = s.startMeasure; m <= s.endMeasure; ++m)
            for (int st = s.startStaff; st <= s.endStaff; ++st, ++cells)
                for (int layer = 0; layer < kLayers; ++layer) {
                    if (editor.settings.hiddenLayers[size_t(layer)]) continue;
                    ++loads;
                    if (!editor.score.Contains(st, m, layer) || editor.settings.refusedFrames.count({st, m, layer})) continue;
                    ++delivered;
                    bool touched = false;
                    for (const EntryBytes& entry : editor.score.At(st, m, layer).entries) {
                        const int32_t p = EntryPosition(entry);
                        if ((m == s.startMeasure && p < s.startPosition) || (m == s.endMeasure && p >= s.endPosition)) continue;
                        touched = touched || command <= kSpacingOn || EntryNoteCount(entry) > 0;
                    }
                    stores += touched;
                }
        ASSERT_EQ(Invoke(command, s), 1);
        std::map<std::string, int> made;
        for (const ServiceCall& call : editor.calls) ++made[call.service];
        EXPECT_EQ(made["QL_StartMassEdit"], 1);
        EXPECT_EQ(made["QL_EndMassEdit"], 1);
        EXPECT_EQ(made["QL_MassEditProgress"], cells);
        EXPECT_EQ(made["QL_GetShowLayer"], 4 * cells);
        EXPECT_EQ(made["QL_LoadTGF"], loads);
        EXPECT_EQ(made["QL_FreeTGF"], delivered);
        EXPECT_EQ(made["QL_SaveTGF"], stores);
        EXPECT_EQ(editor.calls.size(), size_t(2 + 5 * cells + loads + delivered + stores));
    }
}

}  // namespace
