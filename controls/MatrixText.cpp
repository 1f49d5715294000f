#include "controls/MatrixText.h"

#include <algorithm>

namespace quivlane {

namespace {

constexpr unsigned char kUnknownGlyph = 127;

// Accent-free stand-ins for the Windows-1252 letters above 127, so that French text stays
// readable on a display whose font stops at 127. 0 means no stand-in.
constexpr char kFolded[128] = {
    // 0x80
    0, 0, ',', 0, '"', 0, 0, 0, '^', 0, 'S', '<', 0, 0, 'Z', 0,
    // 0x90
    0, '\'', '\'', '"', '"', 0, '-', '-', '~', 0, 's', '>', 0, 0, 'z', 'Y',
    // 0xA0
    ' ', '!', 0, 0, 0, 0, '|', 0, 0, 0, 'a', '<', 0, '-', 0, 0,
    // 0xB0
    0, 0, '2', '3', '\'', 0, 0, '.', ',', '1', 'o', '>', 0, 0, 0, '?',
    // 0xC0
    'A', 'A', 'A', 'A', 'A', 'A', 0, 'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',
    // 0xD0
    'D', 'N', 'O', 'O', 'O', 'O', 'O', 'x', 'O', 'U', 'U', 'U', 'U', 'Y', 0, 0,
    // 0xE0
    'a', 'a', 'a', 'a', 'a', 'a', 0, 'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
    // 0xF0
    'd', 'n', 'o', 'o', 'o', 'o', 'o', 0, 'o', 'u', 'u', 'u', 'u', 'y', 0, 'y'};

}  // namespace

MatrixText::GlyphSize MatrixText::GlyphSizeFor(int size) {
    switch (size) {
        case 0:
            return {14, 20, 2, 2};
        case 2:
            return {10, 14, 1, 1};
        default:
            return {19, 27, 3, 3};
    }
}

unsigned char MatrixText::GlyphFor(unsigned char byte) {
    if (byte >= 32 && byte <= 127) {
        return byte;
    }
    if (byte >= 128 && kFolded[byte - 128] != 0) {
        return static_cast<unsigned char>(kFolded[byte - 128]);
    }
    return kUnknownGlyph;
}

MatrixText::Point MatrixText::CellOrigin(unsigned char byte, const GlyphSize& size) {
    const int index = GlyphFor(byte) - 32;
    return {(index % 32) * size.Pitch(), (index / 32) * size.LinePitch()};
}

bool MatrixText::SetText(const std::string& bytes) {
    if (bytes == text_) {
        return false;
    }
    text_ = bytes;
    changed_ = true;
    if (columns_ == 0) {
        SetColumns(0);
    }
    if (rows_ == 0) {
        SetRows(0);
    }
    return true;
}

void MatrixText::SetColumns(int n) {
    columns_ = n == 0 ? static_cast<int>(text_.size()) : n;
}

void MatrixText::SetRows(int n) {
    if (n != 0) {
        rows_ = n;
    } else {
        rows_ = columns_ > 0 ? static_cast<int>(text_.size()) / columns_ : 1;
    }
}

void MatrixText::SetPadding(bool enabled, char padCharacter) {
    padding_ = enabled;
    padCharacter_ = padCharacter;
}

void MatrixText::Pad(std::size_t length) {
    if (padding_ && text_.size() < length) {
        text_.append(length - text_.size(), padCharacter_);
    }
}

bool MatrixText::ScrollStep() {
    if (rows_ == 1) {
        if (columns_ > 0) {
            Pad(static_cast<std::size_t>(columns_));
        }
        if (text_.empty()) {
            return true;
        }
        if (mode_ == 0) {
            std::rotate(text_.begin(), text_.begin() + 1, text_.end());
        } else {
            std::rotate(text_.rbegin(), text_.rbegin() + 1, text_.rend());
        }
        return true;
    }
    // Without a line width there are no lines to move.
    if (rows_ < 1 || columns_ <= 0) {
        return true;
    }
    Pad(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_));
    const auto width = static_cast<std::size_t>(columns_);
    const std::size_t length = text_.size();
    switch (mode_) {
        case 0: {
            const std::size_t lines = std::max<std::size_t>(1, length / width);
            for (std::size_t line = 0; line < lines; ++line) {
                const std::size_t begin = line * width;
                const std::size_t end = std::min(begin + width, length);
                if (end > begin) {
                    std::rotate(text_.begin() + static_cast<std::ptrdiff_t>(begin),
                                text_.begin() + static_cast<std::ptrdiff_t>(begin) + 1,
                                text_.begin() + static_cast<std::ptrdiff_t>(end));
                }
            }
            return true;
        }
        case 1: {
            if (length < width) {
                return false;
            }
            const std::size_t lines = length / width;
            for (std::size_t line = 0; line < lines; ++line) {
                const auto begin = text_.begin() + static_cast<std::ptrdiff_t>(line * width);
                const auto end = begin + static_cast<std::ptrdiff_t>(width);
                std::rotate(begin, end - 1, end);
            }
            return true;
        }
        case 2:
            if (length > width) {
                std::rotate(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(width),
                            text_.end());
            }
            return true;
        case 3:
            if (length > width) {
                std::rotate(text_.begin(), text_.end() - static_cast<std::ptrdiff_t>(width),
                            text_.end());
            }
            return true;
        default:
            return true;
    }
}

std::vector<MatrixText::Placement> MatrixText::Layout() const {
    std::vector<Placement> placements;
    placements.reserve(text_.size());
    const bool wraps = columns_ > 0 && rows_ > 0;
    int column = 0;
    int line = 0;
    for (const char c : text_) {
        placements.push_back({static_cast<unsigned char>(c), column, line});
        ++column;
        if (wraps && column == columns_) {
            if (rows_ == 1 || line + 1 == rows_) {
                break;
            }
            ++line;
            column = 0;
        }
    }
    return placements;
}

}  // namespace quivlane
