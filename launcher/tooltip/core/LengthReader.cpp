#include "launcher/tooltip/core/LengthReader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace quivlane {

namespace {

// Lengths come from untrusted markup; keeping them bounded keeps every product below
// in range and spares the renderer absurd fonts.
constexpr std::int64_t kMaxLength = 100000;

std::int64_t Clamp(std::int64_t v) {
    return std::clamp<std::int64_t>(v, -kMaxLength, kMaxLength);
}

// Leading decimal digits; false when there are none.
bool ReadDecimal(std::string_view text, std::int64_t& value) {
    std::size_t i = 0;
    value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), kMaxLength);
        ++i;
    }
    return i > 0;
}

// The number as a C integer literal would read it (decimal, 0x hex, leading-zero octal).
bool ReadCInteger(std::string_view text, std::int64_t& value) {
    if (text.empty() || text[0] < '0' || text[0] > '9') {
        return false;
    }
    const std::string copy(text);
    errno = 0;
    char* end = nullptr;
    const unsigned long long raw = std::strtoull(copy.c_str(), &end, 0);
    if (end == copy.c_str()) {
        return false;
    }
    value = (errno == ERANGE || raw > static_cast<unsigned long long>(kMaxLength))
                ? kMaxLength
                : static_cast<std::int64_t>(raw);
    return true;
}

}  // namespace

int LengthReader::FontSizeStep(long value) {
    static constexpr int kSteps[] = {8, 10, 12, 14, 18, 24, 36};
    if (value >= 1 && value <= 7) {
        return kSteps[value - 1];
    }
    return static_cast<int>(value);
}

int LengthReader::LengthValue(std::string_view text, int current, bool fontSize,
                              const LengthContext& context) {
    if (text.empty()) {
        return current;
    }
    if (text.back() == '%') {
        std::string_view number = text.substr(0, text.size() - 1);
        if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
            number.remove_prefix(1);
        }
        std::int64_t n = 0;
        if (!ReadDecimal(number, n)) {
            return current;
        }
        const double scaled = static_cast<double>(current) * static_cast<double>(n) / 100.0;
        return static_cast<int>(Clamp(std::llround(scaled)));
    }
    if (text[0] == '+' || text[0] == '-') {
        text.remove_prefix(1);
    }
    const std::string_view unit = text.size() >= 2 ? text.substr(text.size() - 2) : text;
    std::int64_t n = 0;
    const bool hasNumber = ReadDecimal(text, n);
    const std::int64_t dpi = std::clamp(context.dpiY, 0, 10000);
    const std::int64_t t = n * dpi;
    std::int64_t result = 0;
    if (unit == "px") {
        result = n;
    } else if (unit == "ex") {
        result = n * std::clamp(context.xTextHeight, 0, 10000);
    } else if (unit == "em") {
        result = n * std::clamp(context.fontHeight, 0, 10000);
    } else if (unit == "in") {
        result = t;
    } else if (unit == "cm") {
        result = static_cast<std::int64_t>(static_cast<double>(t) * 0.39370078740157477);
    } else if (unit == "mm") {
        result = static_cast<std::int64_t>(static_cast<double>(t) * 0.03937007874015748);
    } else if (unit == "pt") {
        result = t / 72;
    } else if (unit == "pc") {
        result = t / 6;
    } else {
        std::int64_t whole = 0;
        if (!ReadCInteger(text, whole)) {
            return current;
        }
        return fontSize ? FontSizeStep(static_cast<long>(whole)) : static_cast<int>(whole);
    }
    if (!hasNumber) {
        return current;
    }
    return static_cast<int>(Clamp(result));
}

}  // namespace quivlane
