#include "controls/DialogUnits.h"

namespace quivlane {

namespace {

int MulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

}  // namespace

int DialogUnits::ToPixelsX(int du) {
    return MulDivRounded(du, 6, 4);
}

int DialogUnits::ToPixelsY(int du) {
    return MulDivRounded(du, 13, 8);
}

}  // namespace quivlane
