#include "editor/CharacterLimit.h"

#include <algorithm>

namespace quivlane {

CharacterLimit::CharacterLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

int CharacterLimit::Characters(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        }
    }
    return count;
}

QValidator::State CharacterLimit::validate(QString& input, int& position) const {
    int excess = Characters(input) - limit_;
    if (excess <= 0) {
        return Acceptable;
    }
    // The inserted text ends at the cursor: drop whole characters just before it.
    qsizetype end = std::clamp<qsizetype>(position, 0, input.size());
    qsizetype start = end;
    for (; excess > 0 && start > 0; --excess) {
        --start;
        if (input[start].isLowSurrogate() && start > 0 && input[start - 1].isHighSurrogate()) {
            --start;
        }
    }
    input.remove(start, end - start);
    position = static_cast<int>(start);
    // A cursor at the start with the text still too long (a text set whole): cut the tail.
    while (Characters(input) > limit_) {
        input.chop(input.size() >= 2 && input.back().isLowSurrogate() &&
                           input[input.size() - 2].isHighSurrogate()
                       ? 2
                       : 1);
    }
    return Acceptable;
}

}  // namespace quivlane
