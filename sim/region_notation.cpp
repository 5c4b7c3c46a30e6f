#include "sim/region_notation.h"

#include <climits>
#include <regex>

#include "sim/input_error.h"

namespace sim {
namespace {

void CheckWithin(const std::string& text, const char* what, long value, int highest) {
    if (value < 1 || value > highest)
        throw InputError("--region " + text + ": " + what + " " + std::to_string(value) + " is outside the score (1 to " +
                         std::to_string(highest) + ")");
}

}  // namespace

standin::Selection ParseRegion(const std::string& text, const standin::Score& score) {
    static const std::regex notation(R"((\d+):(\d+)(?:@(-?\d+))?-(\d+):(\d+)(?:@(-?\d+))?)");
    std::smatch m;
    if (!std::regex_match(text, m, notation))
        throw InputError("--region " + text + ": expected MEASURE:STAFF[@POSITION]-MEASURE:STAFF[@POSITION], e.g. 3:1-5:2");
    auto number = [&](int group) {
        const std::string digits = m[group].str();
        if (digits.size() > 10) throw InputError("--region " + text + ": " + digits + " is too large");
        return std::stoll(digits);
    };
    const long long startMeasure = number(1), startStaff = number(2), endMeasure = number(4), endStaff = number(5);
    CheckWithin(text, "measure", static_cast<long>(std::min(startMeasure, 99999LL)), score.measures);
    CheckWithin(text, "staff", static_cast<long>(std::min(startStaff, 99999LL)), score.staves);
    CheckWithin(text, "measure", static_cast<long>(std::min(endMeasure, 99999LL)), score.measures);
    CheckWithin(text, "staff", static_cast<long>(std::min(endStaff, 99999LL)), score.staves);
    auto position = [&](int group, int32_t whole) -> int32_t {
        if (!m[group].matched) return whole;
        const long long value = number(group);
        if (value < INT32_MIN || value > INT32_MAX) throw InputError("--region " + text + ": position out of range");
        return static_cast<int32_t>(value);
    };
    standin::Selection s;
    s.startMeasure = static_cast<int16_t>(startMeasure);
    s.startStaff = static_cast<int16_t>(startStaff);
    s.startPosition = position(3, INT32_MIN);
    s.endMeasure = static_cast<int16_t>(endMeasure);
    s.endStaff = static_cast<int16_t>(endStaff);
    s.endPosition = position(6, INT32_MAX);
    return s;
}

standin::Selection WholeScoreRegion(const standin::Score& score) {
    standin::Selection s = standin::WholeScore(score);
    s.startPosition = INT32_MIN;
    s.endPosition = INT32_MAX;
    return s;
}

}  // namespace sim
