#include "sim/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "sim/input_error.h"

namespace sim {

void WriteFileAtomically(const std::string& path, const std::string& text) {
    std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) throw InputError("cannot write " + path + ": " + std::strerror(errno));
    auto fail = [&](const char* what) {
        const std::string why = std::strerror(errno);
        close(fd);
        unlink(name.data());
        throw InputError("cannot write " + path + ": " + what + ": " + why);
    };
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("write");
        written += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0) fail("fsync");
    if (close(fd) != 0) {
        unlink(name.data());
        throw InputError("cannot write " + path + ": " + std::strerror(errno));
    }
    if (std::rename(name.data(), path.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        unlink(name.data());
        throw InputError("cannot write " + path + ": " + why);
    }
}

std::string ReadWholeFile(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) throw InputError("cannot read " + path + ": it is a folder");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError("cannot read " + path + ": " + std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) throw InputError("cannot read " + path);
    return text.str();
}

}  // namespace sim
