#include "platform/power/SystemdPower.h"

#include "platform/shell/CommandLookup.h"
#include "platform/shell/PosixProcessStarter.h"

namespace quivlane {

SystemdPower::SystemdPower()
    : ownStarter_(std::make_unique<PosixProcessStarter>()), starter_(*ownStarter_) {}

SystemdPower::SystemdPower(ProcessStarter& starter) : starter_(starter) {}

SystemdPower::~SystemdPower() = default;

bool SystemdPower::ShutDown() {
    std::string systemctl = CommandLookup::FindOnPath("systemctl");
    if (systemctl.empty()) {
        return false;
    }
    // Running programs are not asked, as before; whether we may is logind's call, and a
    // refusal shows as a non-zero status.
    return starter_.RunAndWait({systemctl, "poweroff"}) == 0;
}

}  // namespace quivlane
