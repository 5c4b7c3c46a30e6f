#include "sim/progress_bar.h"

#include <unistd.h>

#include <string>

namespace sim {

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

ProgressBar::ProgressBar(int total, bool enabled) : total_(total), enabled_(enabled && total > 0) {}

void ProgressBar::Update(int done, int staff, int measure) {
    if (!enabled_) return;
    const int percent = static_cast<int>(100LL * done / total_);
    const auto now = std::chrono::steady_clock::now();
    if (percent == lastPercent_ && now - lastDraw_ < std::chrono::milliseconds(100)) return;
    lastPercent_ = percent;
    lastDraw_ = now;
    constexpr int kWidth = 40;
    const int filled = kWidth * percent / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%  measure %d staff %d ", std::string(static_cast<size_t>(filled), '#').c_str(),
                 std::string(static_cast<size_t>(kWidth - filled), ' ').c_str(), percent, measure, staff);
    std::fflush(stderr);
    drawn_ = true;
}

void ProgressBar::Finish() {
    if (!drawn_) return;
    std::fprintf(stderr, "\r%*s\r", 80, "");
    std::fflush(stderr);
    drawn_ = false;
}

}  // namespace sim
