#pragma once
// The module's data-record wrappers in front of the stand-in editor's record store.

#include <array>
#include <string>
#include <vector>

#include "host/service_wrappers.h"
#include "support/editor_fixture.h"

namespace testsupport {

inline uint32_t Tag(const std::string& text) {
    return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) << 24 | static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 8 | static_cast<uint8_t>(text[3]);
}

using Words = std::array<uint16_t, 6>;

class DataRecordFixture : public EditorFixture {
protected:
    static constexpr uint32_t kVersion = 0x08000000;

    int16_t Load(uint32_t tag, int16_t number, void* buffer, int32_t* size, uint32_t version = kVersion,
                 uint32_t extra = 0) {
        auto key = standin::DataKey(number, 123, extra);
        return regionflags::host::QL_LoadEData(tag, key.data(), buffer, size, version);
    }
    int16_t Save(uint32_t tag, int16_t number, const void* buffer, int32_t length, uint32_t version = kVersion) {
        auto key = standin::DataKey(number, 123);
        return regionflags::host::QL_SaveEData(tag, key.data(), buffer, length, version);
    }

    void PutOt(const std::string& id, int16_t number, int16_t index, const Words& words) {
        std::vector<uint8_t> bytes(12);
        for (size_t w = 0; w < 6; ++w) standin::WriteLE(bytes.data() + 2 * w, 2, words[w]);
        editor.dataRecords[{Tag("ot" + id), number, index}] = bytes;
    }
    Words OtWords(const std::string& id, int16_t number, int16_t index) {
        const std::vector<uint8_t>& bytes = editor.dataRecords.at({Tag("ot" + id), number, index});
        Words words{};
        for (size_t w = 0; w < 6; ++w) words[w] = static_cast<uint16_t>(standin::ReadLE(bytes.data() + 2 * w, 2));
        return words;
    }

    std::vector<std::string> CallsTo(const std::string& service) const {
        std::vector<std::string> texts;
        for (const standin::ServiceCall& call : editor.calls)
            if (call.service == service) texts.push_back(call.text);
        return texts;
    }
    static std::string OtLoad(const std::string& tag, int number, int index, int extra = 0) {
        return "QL_LoadEData(" + tag + ", " + std::to_string(number) + ", " + std::to_string(index) + ", " +
               std::to_string(extra) + ", buffer, 12, 0x08000000)";
    }
    static std::string OtStore(const std::string& tag, int number, int index) {
        return "QL_SaveEData(" + tag + ", " + std::to_string(number) + ", " + std::to_string(index) +
               ", 0, buffer, 12, 0x08000000)";
    }
};

}  // namespace testsupport
