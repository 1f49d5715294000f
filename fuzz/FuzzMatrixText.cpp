// Arbitrary text through the Windows-1252 conversion and the display's scroll rules: nothing
// may crash, characters are never lost or invented, and the grid stays inside its bounds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/TextEncoding.h"
#include "controls/MatrixText.h"

using quivlane::MatrixText;
using quivlane::TextEncoding;

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Undefined(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const int rows = data[0] % 5;
    const int columns = data[1] % 24;
    const int mode = data[2] % 6;
    const bool padding = (data[3] & 1) != 0;
    const int steps = data[3] >> 1;
    const std::string input(reinterpret_cast<const char*>(data + 4), size - 4);

    const std::string bytes = TextEncoding::Utf8ToWindows1252(input);
    Check(bytes.size() <= input.size());
    // Back to UTF-8 and again gives the same bytes, but for the five the code page leaves
    // undefined, which come back unknown.
    const std::string again =
        TextEncoding::Utf8ToWindows1252(TextEncoding::Windows1252ToUtf8(bytes));
    Check(again.size() == bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        Check(again[i] ==
              (Undefined(b) ? static_cast<char>(TextEncoding::kWindows1252Unknown) : bytes[i]));
    }

    MatrixText m;
    m.SetRows(rows);
    m.SetColumns(columns);
    m.SetPadding(padding, ' ');
    m.SetMode(mode);
    m.SetText(bytes);
    std::string before = m.Text();
    for (int i = 0; i < steps; ++i) {
        const std::size_t length = m.Text().size();
        m.ScrollStep();
        Check(m.Text().size() >= length);
        // Scrolling only pads and moves characters around.
        std::string moved = m.Text();
        std::string original = before;
        original.append(moved.size() - original.size(), ' ');
        std::sort(moved.begin(), moved.end());
        std::sort(original.begin(), original.end());
        Check(moved == original);
        before = m.Text();
    }
    for (const MatrixText::Placement& p : m.Layout()) {
        Check(p.column >= 0 && p.line >= 0);
        if (m.Columns() > 0 && m.Rows() > 0) {
            Check(p.column < m.Columns() && p.line < m.Rows());
        }
        const auto cell = MatrixText::CellOrigin(p.byte, MatrixText::GlyphSizeFor(mode % 3));
        Check(cell.x >= 0 && cell.y >= 0 && cell.x < 704 && cell.y < 90);
    }
    return 0;
}
