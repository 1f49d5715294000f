#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>

#include "launcher/tooltip/core/TooltipPlacement.h"
#include "launcher/tooltip/core/TooltipShape.h"
#include "launcher/tooltip/core/TooltipStateMachine.h"

namespace {

using quivlane::TipPoint;
using quivlane::TipRect;
using quivlane::ToolInfo;
using quivlane::TooltipPlacement;
using quivlane::TooltipShape;
using quivlane::TooltipWindowPort;
using SM = quivlane::TooltipStateMachine;

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    int Next() { return at_ < size_ ? data_[at_++] : 0; }
    int Next16() { return Next() | (Next() << 8); }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Two tools side by side; the tip covers a fixed area; time moves only on request.
class Host final : public TooltipWindowPort {
  public:
    void StartTimer(int id, int ms) override { timers[id] = Timer{now + ms, ms > 0 ? ms : 1}; }
    void StopTimer(int id) override { timers.erase(id); }
    TipPoint CursorPos() const override { return cursor; }
    std::optional<Hit> FindTool(TipPoint p) const override {
        if (p.y < 0 || p.y >= 30 || p.x < 0 || p.x >= 200) {
            return std::nullopt;
        }
        const int index = p.x < 100 ? 0 : 1;
        return Hit{&controls[index], {}, tools[index]};
    }
    bool IsTipVisible() const override { return visible; }
    bool IsOverTip(TipPoint p) const override { return visible && p.y >= 40 && p.y < 80; }
    bool ShowTip(const ToolInfo& tool, TipPoint, int opacity) override {
        if (opacity < 0 || opacity > 100) {
            std::abort();
        }
        visible = !tool.text.empty();
        return visible;
    }
    void HideTip() override { visible = false; }
    void RedrawTip(int opacity) override {
        if (!visible || opacity < 0 || opacity > 100) {
            std::abort();
        }
    }
    void MoveTipBy(int, int) override {}
    void ClickTip(TipPoint) override {}
    bool AdvanceAnimations() override { return true; }

    void Advance(SM& machine, int ms) {
        const int end = now + ms;
        for (int guard = 0; guard < 10000; ++guard) {
            int id = -1;
            for (const auto& [tid, t] : timers) {
                if (t.due <= end && (id == -1 || t.due < timers.at(id).due)) {
                    id = tid;
                }
            }
            if (id == -1) {
                break;
            }
            now = timers[id].due;
            timers[id].due += timers[id].period;
            machine.OnTimer(id);
            Check(machine);
        }
        now = end;
    }

    void Check(const SM& machine) const {
        const bool hidden = machine.CurrentState() == SM::Hidden;
        if (visible == hidden || machine.Opacity() < 0 || machine.Opacity() > 100) {
            std::abort();
        }
        if (timers.count(SM::kTimerAutoPop) != 0 && machine.CurrentState() != SM::Shown) {
            std::abort();
        }
    }

    struct Timer {
        int due;
        int period;
    };
    int now = 0;
    std::map<int, Timer> timers;
    TipPoint cursor;
    bool visible = false;
    int controls[2] = {0, 1};
    ToolInfo tools[2];
};

void CheckPlacement(Bytes& in) {
    const int sw = 1 + in.Next16() % 4096;
    const int sh = 1 + in.Next16() % 4096;
    const TipRect screen{-in.Next(), -in.Next(), 0, 0};
    const TipRect s{screen.left, screen.top, screen.left + sw, screen.top + sh};
    const TipPoint cursor{s.left + in.Next16() % sw, s.top + in.Next16() % sh};
    const int bw = 1 + in.Next16() % 700;
    const int bh = 1 + in.Next16() % 700;
    const int direction = in.Next() % 64;
    const TooltipPlacement::Sizes sizes{in.Next() % 40, in.Next() % 40, in.Next() % 60};
    const auto l = TooltipPlacement::Place(s, cursor, bw, bh, direction, sizes);

    const int side = l.direction / 16;
    const int alignment = l.direction % 16;
    if (side > 3 || alignment > 2) {
        std::abort();
    }
    if (l.window.left + l.anchor.x != cursor.x || l.window.top + l.anchor.y != cursor.y) {
        std::abort();
    }
    if (l.body.Width() != bw || l.body.Height() != bh || l.body.left < 0 || l.body.top < 0 ||
        l.body.right > l.window.Width() || l.body.bottom > l.window.Height()) {
        std::abort();
    }
    // A tip that fits along its edge stays on the screen along it; one that fits twice across
    // finds room on one side of the cursor.
    const bool vertical = side <= 1;
    const int along = vertical ? l.window.Width() : l.window.Height();
    const int across = vertical ? l.window.Height() : l.window.Width();
    if (vertical) {
        if (along <= sw && (l.window.left < s.left || l.window.right > s.right)) {
            std::abort();
        }
        if (2 * across <= sh && (l.window.top < s.top || l.window.bottom > s.bottom)) {
            std::abort();
        }
    } else {
        if (along <= sh && (l.window.top < s.top || l.window.bottom > s.bottom)) {
            std::abort();
        }
        if (2 * across <= sw && (l.window.left < s.left || l.window.right > s.right)) {
            std::abort();
        }
    }
    if (l.hasAnchor && !(l.triangle[0] == l.anchor)) {
        std::abort();
    }

    if (bw <= 300 && bh <= 300) {
        const TooltipShape shape(l, in.Next() % 64, in.Next() % 64);
        if (shape.Count() > shape.Width() * shape.Height() || shape.Contains(-1, 0) ||
            shape.Contains(shape.Width(), 0)) {
            std::abort();
        }
        // The body's centre is always part of the outline.
        if (!shape.Contains(l.body.left + bw / 2, l.body.top + bh / 2)) {
            std::abort();
        }
    }
}

void RunEvents(Bytes& in) {
    Host host;
    SM machine(host);
    host.tools[0].text = "a";
    host.tools[1].text = (in.Next() & 1) != 0 ? "b" : "";
    host.tools[1].mask = ToolInfo::kMaskBehaviour | ToolInfo::kMaskTransparency;
    host.tools[1].behaviour = static_cast<unsigned>(in.Next() & 0x1F);
    host.tools[1].transparency = in.Next() % 120;
    machine.WindowDefaults().behaviour = static_cast<unsigned>(in.Next() & 0x1F);
    machine.WindowDefaults().transparency = in.Next() % 101;
    for (int kind = 2; kind <= 6; ++kind) {
        machine.SetDelayTime(kind, in.Next() * 10);
    }
    machine.SetFade((in.Next() & 1) != 0, (in.Next() & 1) != 0);
    for (int step = 0; step < 400 && !in.Empty(); ++step) {
        const int op = in.Next();
        switch (op % 6) {
            case 0:
            case 1:
                host.cursor = TipPoint{in.Next(), in.Next() % 100};
                machine.OnMouseMove(host.cursor);
                break;
            case 2:
                host.Advance(machine, in.Next() * 8);
                break;
            case 3:
                machine.OnLeftButtonDown(host.cursor);
                break;
            case 4:
                machine.OnDismissingInput();
                break;
            default:
                machine.SetDelayTime(2 + op / 6 % 5, in.Next() * 10);
                break;
        }
        host.Check(machine);
    }
}

}  // namespace

// Input: a selector byte, then the placement's numbers or an event stream.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    if ((in.Next() & 1) == 0) {
        CheckPlacement(in);
    } else {
        RunEvents(in);
    }
    return 0;
}
