#pragma once
// A stand-in editor made current for one test, with the module freshly loaded, and the
// call the editor makes to run a command over a selection.

#include <gtest/gtest.h>

#include "editor/score_changes.h"
#include "editor/standin_editor.h"
#include "extension/entry_points.h"
#include "support/fake_platform.h"

namespace testsupport {

class EditorFixture : public ::testing::Test {
protected:
    explicit EditorFixture(standin::Score score = standin::SampleScore()) : editor(std::move(score)) {
        ForgetHostBinding();
        standin::SetCurrentEditor(&editor);
    }
    ~EditorFixture() override { standin::SetCurrentEditor(nullptr); }

    int16_t Invoke(int16_t index, const standin::Selection& selection) {
        region = standin::RegionBytes(selection);
        editor.selectedRegion = region.data();
        return QuorlaExtensionInvoke(0, index, region.data(), 0);
    }

    void UseScore(standin::Score score) { editor.score = std::move(score); }

    standin::Editor editor;
    std::array<uint8_t, standin::kRegionBytes> region{};
};

}  // namespace testsupport
