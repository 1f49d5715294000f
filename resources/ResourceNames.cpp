#include "resources/ResourceNames.h"

namespace quivlane::resources {

std::array<const char*, 9> AllResourceNames() {
    return {kBar,         kAlarmDialog, kUrlDialog,   kEditor, kLights,
            kMatrixSize0, kMatrixSize1, kMatrixSize2, kIcon};
}

}  // namespace quivlane::resources
