#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "launcher/url/NormaliseAddress.h"

// Whatever is typed, the result starts with a scheme the bar opens, nothing typed is lost,
// and a repaired address needs no second repair.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    const std::string once = quivlane::NormaliseAddress(typed);
    if (once.rfind("http", 0) != 0 || once.size() < typed.size()) {
        std::abort();
    }
    if (quivlane::NormaliseAddress(once) != once) {
        std::abort();
    }
    return 0;
}
