#include <cstddef>
#include <cstdint>
#include <string_view>

#include "launcher/tooltip/core/ColorReader.h"
#include "launcher/tooltip/core/LengthReader.h"
#include "launcher/tooltip/core/StyleSheet.h"
#include "launcher/tooltip/core/TextStyle.h"

using namespace quivlane;

// The whole input is a style sheet whose every rule is applied; each line of it is also read
// as a colour and as a length, the way attribute values reach those readers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static StyleSheet sheet(ColorReader::DefaultSystemColors());
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LengthContext context{96, 16, 16};

    sheet.SetEnabled(size % 2 == 0);
    sheet.SetStyleSheet(text);
    for (const auto& [selector, declarations] : sheet.Rules()) {
        TextStyle style;
        sheet.ApplyStyle(selector, style, context);
        (void)style.TransformText(declarations);
        style.textTransform = TextStyle::kTransformCapitalize;
        (void)style.TransformText(declarations);
    }

    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(start, end - start);
        (void)sheet.ColorValue(line, Rgb{});
        (void)LengthReader::LengthValue(line, 16, true, context);
        (void)LengthReader::LengthValue(line, 1 << 20, false, context);
        TextStyle style;
        sheet.ApplyDeclarations(line, style, context);
        start = end + 1;
    }
    return 0;
}
