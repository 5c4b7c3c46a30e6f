#include <gtest/gtest.h>

#include "editor/low_memory.h"
#include "editor/score.h"
#include "editor/standin_editor.h"
#include "host/records.h"

namespace {

using namespace regionflags::host;

// The module's accessors read what the editor wrote, each at its own offset and width.
TEST(HostRecords, AccessorsReadTheEditorsFields) {
    standin::Selection s;
    s.startRef = 0xBEEF;
    s.startStaff = -3;
    s.startMeasure = 32767;
    s.startPosition = -123456;
    s.endStaff = 12;
    s.endMeasure = -32768;
    s.endPosition = 0x7FFFFFFE;
    const auto bytes = standin::RegionBytes(s);
    const auto& region = *reinterpret_cast<const ERegion*>(bytes.data());
    EXPECT_EQ(RegionStartRef(region), 0xBEEF);
    EXPECT_EQ(RegionStartStaff(region), -3);
    EXPECT_EQ(RegionStartMeasure(region), 32767);
    EXPECT_EQ(RegionStartPosition(region), -123456);
    EXPECT_EQ(RegionEndStaff(region), 12);
    EXPECT_EQ(RegionEndMeasure(region), -32768);
    EXPECT_EQ(RegionEndPosition(region), 0x7FFFFFFE);

    standin::EntryBytes entry = standin::MakeEntry(-77, 0xF00D, {0x11111111, 0x80000001, 0xFFFFFFFF}, 5);
    auto& e = *reinterpret_cast<TgfEntry*>(entry.data());
    EXPECT_EQ(EntryFlags(e), 0xF00D);
    EXPECT_EQ(EntryNoteCount(e), 3);
    EXPECT_EQ(EntryPosition(e), -77);
    EXPECT_EQ(NoteFlags(EntryNotes(e)[1]), 0x80000001u);
    EXPECT_EQ(NoteFlags(EntryNotes(e)[2]), 0xFFFFFFFFu);
}

TEST(HostRecords, WritingOneFieldLeavesEveryOtherByteAlone) {
    standin::EntryBytes entry = standin::MakeEntry(1, 0x1234, {0x00ABCDEF, 0x01020304}, 9);
    const standin::EntryBytes before = entry;
    auto& e = *reinterpret_cast<TgfEntry*>(entry.data());
    SetEntryFlags(e, EntryFlags(e) | kEntryNoSpacing);
    SetNoteFlags(EntryNotes(e)[1], NoteFlags(EntryNotes(e)[1]) | kNoteNoPlayback);
    EXPECT_EQ(standin::EntryFlags(entry), 0x1234 | 0x0800);
    EXPECT_EQ(standin::NoteFlags(entry, 1), 0x01020304u | 0x00400000u);
    int differing = 0;
    for (size_t k = 0; k < entry.size(); ++k) differing += entry[k] != before[k];
    EXPECT_EQ(differing, 2);  // one byte of the entry flags, one of the note's flags
}

TEST(HostRecords, FrameEntriesFollowTheThirtyTwoBitAddressField) {
    standin::Frame frame = standin::MakeScore(1, 1).At(1, 1, 0);
    auto* entries = static_cast<standin::EntryBytes*>(standin::AllocateLow(2 * sizeof(standin::EntryBytes)));
    ASSERT_NE(entries, nullptr);
    const auto address = reinterpret_cast<uintptr_t>(entries);
    standin::WriteLE(frame.header.data() + standin::kFrameEntriesField, 4, static_cast<uint32_t>(address));
    standin::SetFrameEntryCount(frame, 2);
    auto& tgf = *reinterpret_cast<TGF*>(frame.header.data());
    EXPECT_EQ(reinterpret_cast<void*>(FrameEntries(tgf)), static_cast<void*>(&entries[0]));
    EXPECT_EQ(reinterpret_cast<void*>(FrameEntries(tgf) + 1), static_cast<void*>(&entries[1]));
    EXPECT_EQ(FrameEntryCount(tgf), 2);
    standin::FreeLow(entries, 2 * sizeof(standin::EntryBytes));
}

}  // namespace
