#pragma once
// A progress bar on the terminal, driven by the plug-in's progress calls; silent when
// standard error is not a terminal.

#include <chrono>
#include <cstdio>

namespace sim {

class ProgressBar {
public:
    ProgressBar(int total, bool enabled);
    void Update(int done, int staff, int measure);
    void Finish();

private:
    int total_;
    bool enabled_;
    bool drawn_ = false;
    int lastPercent_ = -1;
    std::chrono::steady_clock::time_point lastDraw_{};
};

bool StandardErrorIsTerminal();

}  // namespace sim
