#pragma once

#include <memory>

#include "platform/power/Power.h"
#include "platform/shell/ProcessStarter.h"

namespace quivlane {

// Shutting down through systemd: logind decides whether this user may.
class SystemdPower final : public Power {
  public:
    SystemdPower();
    // `starter` must outlive this object.
    explicit SystemdPower(ProcessStarter& starter);
    ~SystemdPower() override;

    // False when systemctl is missing or the request is refused.
    bool ShutDown() override;

  private:
    std::unique_ptr<ProcessStarter> ownStarter_;
    ProcessStarter& starter_;
};

}  // namespace quivlane
