#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/autostart/XdgAutostartRegistry.h"

// Any Exec= text is read without fault, and every program path an entry can carry reads
// back exactly as written.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)quivlane::XdgAutostartRegistry::PathFromExecLine(text);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return 0;
        }
    }
    const std::string exec = quivlane::XdgAutostartRegistry::ExecLine(text);
    if (quivlane::XdgAutostartRegistry::PathFromExecLine(exec) != text) {
        std::abort();
    }
    return 0;
}
