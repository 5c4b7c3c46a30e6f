// Runs a fuzz target over the files or folders it is given, once each, without libFuzzer:
// for replaying a corpus under valgrind or in an ordinary build.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void RunFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    int inputs = 0;
    for (int k = 1; k < argc; ++k) {
        const std::filesystem::path path(argv[k]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& file : std::filesystem::directory_iterator(path)) {
                RunFile(file.path());
                ++inputs;
            }
        } else {
            RunFile(path);
            ++inputs;
        }
    }
    std::printf("ran %d inputs\n", inputs);
    return inputs > 0 ? 0 : 1;
}
