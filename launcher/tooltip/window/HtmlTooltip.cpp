#include "launcher/tooltip/window/HtmlTooltip.h"

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace quivlane {

namespace {

Rgb FromQColor(const QColor& c) {
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

constexpr std::array<int, HtmlTooltip::kSizeCount> kBalloonSizes{16, 16, 12, 12, 12, 16, 16, 0, 0};
constexpr std::array<int, HtmlTooltip::kSizeCount> kRectangleSizes{0, 0, 3, 1, 0, 0, 0, 0, 0};
// Without any screen the tip still needs a bound.
constexpr int kFallbackScreen = 4096;

}  // namespace

HtmlTooltip::HtmlTooltip(Shell& shell)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      drawer_(shell),
      machine_(*this) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The whole window is painted from the composed image each time.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    drawer_.SetMaxWidth(0);

    const QPalette palette = QGuiApplication::palette();
    SetColorBk(FromQColor(palette.color(QPalette::ToolTipBase)));
    SetBorder(FromQColor(palette.color(QPalette::ToolTipText)), 1, 1);
    SetDefaultSizes(true);
    SetDefaultDirection(16);
    SetBehaviour(0);
    SetDelayTime(TooltipStateMachine::kDelayInitial, 500);
    SetDelayTime(TooltipStateMachine::kDelayAutoPop, 5000);
    SetDelayTime(TooltipStateMachine::kDelayFadeIn, 0);
    SetDelayTime(TooltipStateMachine::kDelayFadeOut, 0);
    SetTooltipShadow(6, 6, 50, true, 7, 7);

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) {
                    HideTooltip();
                }
            });
}

HtmlTooltip::~HtmlTooltip() {
    machine_.HideTooltip();
    for (auto& [id, timer] : timers_) {
        timer.stop();
    }
    drawer_.SetHoverNotify({});
}

bool HtmlTooltip::Create(QWidget* owner, bool balloon) {
    if (owner == nullptr) {
        return false;
    }
    owner_ = owner;
    SetDefaultSizes(balloon);
    drawer_.SetHoverNotify([this](int) { OnLinkHover(); });
    SetDelayTime(TooltipStateMachine::kDelayAnimation, 100);
    return true;
}

void HtmlTooltip::AddTool(QWidget* control, const std::string& text,
                          const std::optional<QRect>& rect, int userValue) {
    if (control == nullptr) {
        return;
    }
    ToolInfo tool;
    tool.userValue = userValue;
    tool.text = text;
    if (rect) {
        tool.rect = ToolInfo::Area{rect->x(), rect->y(), rect->width(), rect->height()};
    }
    ControlTools* entry = ToolsOf(control);
    if (entry == nullptr) {
        tools_.push_back(ControlTools{control, {tool}});
        return;
    }
    for (ToolInfo& existing : entry->tools) {
        if (existing.rect == tool.rect) {
            existing = tool;
            return;
        }
    }
    entry->tools.push_back(tool);
}

void HtmlTooltip::RelayEvent(QObject* watched, QEvent* event) {
    if (!IsCreated()) {
        return;
    }
    const auto screenPos = [](const QEvent* e) {
        const QPoint p = static_cast<const QSinglePointEvent*>(e)->globalPosition().toPoint();
        return TipPoint{p.x(), p.y()};
    };
    switch (event->type()) {
        case QEvent::MouseMove:
            machine_.OnMouseMove(screenPos(event));
            break;
        case QEvent::Leave:
            // Off the owner no moves arrive; the cursor's resting place decides.
            if (watched == owner_) {
                const QPoint p = QCursor::pos();
                machine_.OnMouseMove(TipPoint{p.x(), p.y()});
            }
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                machine_.OnLeftButtonDown(screenPos(event));
            } else {
                machine_.OnDismissingInput();
            }
            break;
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            machine_.OnDismissingInput();
            break;
        default:
            break;
    }
}

void HtmlTooltip::SetDelayTime(int kind, int milliseconds) {
    machine_.SetDelayTime(kind, milliseconds);
}

void HtmlTooltip::SetEffectBk(int effect, std::uint8_t granularity) {
    machine_.WindowDefaults().effect = effect;
    machine_.WindowDefaults().granularity = granularity;
}

void HtmlTooltip::SetTransparency(int percent) {
    machine_.WindowDefaults().transparency = std::clamp(percent, 0, 100);
}

void HtmlTooltip::SetColorBk(Rgb begin, Rgb middle, Rgb end) {
    auto& d = machine_.WindowDefaults();
    d.beginColour = begin;
    d.middleColour = middle;
    d.endColour = end;
}

void HtmlTooltip::SetBorder(std::optional<Rgb> colour, int width, int height) {
    borderColour_ = colour;
    borderWidth_ = width;
    borderHeight_ = height;
    if (width <= 0 || height <= 0) {
        borderColour_.reset();
    }
}

void HtmlTooltip::SetSize(int index, int value) {
    if (index >= 0 && index < kSizeCount) {
        sizes_[static_cast<std::size_t>(index)] = value;
    }
}

int HtmlTooltip::Size(int index) const {
    return index >= 0 && index < kSizeCount ? sizes_[static_cast<std::size_t>(index)] : 0;
}

void HtmlTooltip::SetDefaultSizes(bool balloon) {
    sizes_ = balloon ? kBalloonSizes : kRectangleSizes;
}

void HtmlTooltip::SetTooltipShadow(int offsetX, int offsetY, int darkenPercent, bool soft,
                                   int depthX, int depthY) {
    shadowX_ = offsetX;
    shadowY_ = offsetY;
    shadowDarken_ = std::clamp(darkenPercent, 0, 100);
    shadowSoft_ = soft;
    shadowDepthX_ = depthX;
    shadowDepthY_ = depthY;
}

// --- the window's side of the show/hide rules ---

void HtmlTooltip::StartTimer(int id, int milliseconds) {
    timers_[id].start(milliseconds, this);
}

void HtmlTooltip::StopTimer(int id) {
    const auto it = timers_.find(id);
    if (it != timers_.end()) {
        it->second.stop();
    }
}

TipPoint HtmlTooltip::CursorPos() const {
    const QPoint p = QCursor::pos();
    return TipPoint{p.x(), p.y()};
}

HtmlTooltip::ControlTools* HtmlTooltip::ToolsOf(const QWidget* control) {
    for (ControlTools& entry : tools_) {
        if (entry.control == control) {
            return &entry;
        }
    }
    return nullptr;
}

const HtmlTooltip::ControlTools* HtmlTooltip::ToolsOf(const QWidget* control) const {
    for (const ControlTools& entry : tools_) {
        if (entry.control == control) {
            return &entry;
        }
    }
    return nullptr;
}

std::optional<TooltipWindowPort::Hit> HtmlTooltip::FindTool(TipPoint screen) const {
    if (owner_ == nullptr || !owner_->isVisible()) {
        return std::nullopt;
    }
    const QPoint global(screen.x, screen.y);
    const QPoint inOwner = owner_->mapFromGlobal(global);
    if (!owner_->rect().contains(inOwner)) {
        return std::nullopt;
    }
    // The deepest control under the point, or the nearest of its parents that has tools
    // (a label inside a button counts as the button).
    QWidget* control = owner_->childAt(inOwner);
    const ControlTools* entry = nullptr;
    while (control != nullptr && control != owner_) {
        entry = ToolsOf(control);
        if (entry != nullptr) {
            break;
        }
        control = control->parentWidget();
    }
    if (entry == nullptr) {
        control = owner_;
        entry = ToolsOf(owner_);
    }
    if (entry == nullptr || entry->tools.empty() || !control->isEnabled()) {
        return std::nullopt;
    }
    if (entry->tools.size() == 1 && entry->tools.front().rect.Empty()) {
        return Hit{control, entry->tools.front().rect, entry->tools.front()};
    }
    const QPoint local = control->mapFromGlobal(global);
    for (const ToolInfo& tool : entry->tools) {
        if (tool.rect.Contains(local.x(), local.y())) {
            return Hit{control, tool.rect, tool};
        }
    }
    return std::nullopt;
}

bool HtmlTooltip::IsTipVisible() const {
    return isVisible();
}

bool HtmlTooltip::IsOverTip(TipPoint screen) const {
    if (!isVisible()) {
        return false;
    }
    const QPoint local = QPoint(screen.x, screen.y) - pos();
    return local.x() >= 0 && local.y() >= 0 && local.x() < windowShape_.width() &&
           local.y() < windowShape_.height() && windowShape_.pixelIndex(local) == 1;
}

bool HtmlTooltip::ShowTip(const ToolInfo& resolved, TipPoint cursor, int opacity) {
    if (resolved.text.empty()) {
        return false;
    }
    const QImage probe(1, 1, QImage::Format_ARGB32);
    const QSize measured = drawer_.PrepareDrawing(probe, resolved.text);
    const int mx = sizes_[kMarginX];
    const int my = sizes_[kMarginY];

    QScreen* at = QGuiApplication::screenAt(QPoint(cursor.x, cursor.y));
    if (at == nullptr) {
        at = QGuiApplication::primaryScreen();
    }
    const QRect own =
        at != nullptr ? at->geometry() : QRect(0, 0, kFallbackScreen, kFallbackScreen);
    const QRect screen = at != nullptr ? at->virtualGeometry() : own;
    const TipRect screenRect{screen.left(), screen.top(), screen.left() + screen.width(),
                             screen.top() + screen.height()};
    const TooltipPlacement::Sizes anchor{sizes_[kAnchorWidth], sizes_[kAnchorHeight],
                                         sizes_[kAnchorOffset]};

    // Markup can measure anything; the tip never outgrows the screen it shows on, and what
    // does not fit is cut at the body's margins.
    const bool across = (resolved.direction / 16) % 4 >= 2;
    const int shadowW = shadowX_ != 0 || shadowY_ != 0 ? std::abs(shadowX_) : 0;
    const int shadowH = shadowX_ != 0 || shadowY_ != 0 ? std::abs(shadowY_) : 0;
    int textW = std::min(measured.width(),
                         own.width() - shadowW - (across ? anchor.anchorHeight : 0) - 2 * mx);
    int textH = std::min(measured.height(),
                         own.height() - shadowH - (across ? 0 : anchor.anchorHeight) - 2 * my);
    textW = std::max(textW, 1);
    textH = std::max(textH, 1);
    // A tip that fits no side of the cursor is shortened until the side it takes holds it.
    for (int tries = 0; tries < 4; ++tries) {
        layout_ = TooltipPlacement::Place(screenRect, cursor, textW + 2 * mx, textH + 2 * my,
                                          resolved.direction, anchor);
        const int left = layout_.window.left - std::max(0, -shadowX_);
        const int top = layout_.window.top - std::max(0, -shadowY_);
        const int right = layout_.window.right + (shadowW > 0 ? std::max(0, shadowX_) : 0);
        const int bottom = layout_.window.bottom + (shadowH > 0 ? std::max(0, shadowY_) : 0);
        const int overX =
            std::max(0, screenRect.left - left) + std::max(0, right - screenRect.right);
        const int overY =
            std::max(0, screenRect.top - top) + std::max(0, bottom - screenRect.bottom);
        if ((overX == 0 && overY == 0) || (textW == 1 && textH == 1)) {
            break;
        }
        textW = std::max(1, textW - overX);
        textH = std::max(1, textH - overY);
    }
    shape_ = TooltipShape(layout_, sizes_[kCornerWidth], sizes_[kCornerHeight]);
    textRect_ = QRect(layout_.body.left + mx, layout_.body.top + my, textW, textH);
    displayed_ = resolved;
    BuildBackground(resolved);
    BuildWindowShape();

    const QPoint topLeft(layout_.window.left - std::max(0, -shadowX_),
                         layout_.window.top - std::max(0, -shadowY_));
    const QSize size = windowShape_.size();
    // What the tip will cover, taken before it is there; only the part on that screen.
    beneath_ = QImage(size, QImage::Format_ARGB32);
    beneath_.fill(Qt::black);
    const QRect wanted(topLeft, size);
    const QRect visible = wanted.intersected(own);
    if (at != nullptr && !visible.isEmpty()) {
        const QImage grabbed = at->grabWindow(0, visible.x() - own.x(), visible.y() - own.y(),
                                              visible.width(), visible.height())
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32);
        if (grabbed.size() == visible.size()) {
            QPainter painter(&beneath_);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(visible.topLeft() - topLeft, grabbed);
        }
    }

    frame_ = RenderTip(opacity);
    setGeometry(QRect(topLeft, size));
    setMask(QRegion(QBitmap::fromImage(windowShape_)));
    show();
    raise();
    update();
    return true;
}

void HtmlTooltip::BuildBackground(const ToolInfo& tool) {
    const int w = layout_.window.Width();
    const int h = layout_.window.Height();
    background_ = QImage(std::max(w, 1), std::max(h, 1), QImage::Format_ARGB32);
    background_.fill(Qt::transparent);
    const TipRect& b = layout_.body;
    draw_.FillEffect(background_, tool.effect, QRect(b.left, b.top, b.Width(), b.Height()),
                     tool.beginColour, tool.middleColour, tool.endColour);
    // The anchor's strip repeats the body's row (or column) next to it.
    const int side = layout_.direction / 16;
    const auto copyRow = [this](int from, int to) {
        if (from >= 0 && from < background_.height()) {
            std::copy_n(reinterpret_cast<const QRgb*>(background_.constScanLine(from)),
                        background_.width(), reinterpret_cast<QRgb*>(background_.scanLine(to)));
        }
    };
    const auto copyColumn = [this](int from, int to) {
        for (int y = 0; y < background_.height(); ++y) {
            background_.setPixel(to, y, background_.pixel(from, y));
        }
    };
    if (side == 0) {
        for (int y = 0; y < b.top; ++y) {
            copyRow(b.top, y);
        }
    } else if (side == 1) {
        for (int y = b.bottom; y < h; ++y) {
            copyRow(b.bottom - 1, y);
        }
    } else if (side == 2) {
        for (int x = 0; x < b.left; ++x) {
            copyColumn(b.left, x);
        }
    } else {
        for (int x = b.right; x < w; ++x) {
            copyColumn(b.right - 1, x);
        }
    }
}

void HtmlTooltip::BuildWindowShape() {
    const int w = shape_.Width();
    const int h = shape_.Height();
    const bool shadow = shadowX_ != 0 || shadowY_ != 0;
    const int ox = std::max(0, -shadowX_);
    const int oy = std::max(0, -shadowY_);
    const int width = w + (shadow ? std::abs(shadowX_) : 0);
    const int height = h + (shadow ? std::abs(shadowY_) : 0);
    windowShape_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_MonoLSB);
    windowShape_.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    windowShape_.fill(0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!shape_.Contains(x, y)) {
                continue;
            }
            windowShape_.setPixel(x + ox, y + oy, 1);
            if (shadow) {
                windowShape_.setPixel(x + ox + shadowX_, y + oy + shadowY_, 1);
            }
        }
    }
}

QImage HtmlTooltip::ComposeTip() const {
    QImage tip = background_.copy();
    // The drawer paints wherever its content runs; only the text rectangle is kept, so a
    // tip cut at the screen's edge keeps its margins.
    QImage drawn = tip.copy();
    drawer_.DrawPreparedHtml(drawn, textRect_);
    {
        QPainter painter(&tip);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(textRect_.topLeft(), drawn, textRect_);
    }
    if (borderColour_) {
        const QRgb colour = borderColour_->ToArgb();
        for (int y = 0; y < shape_.Height(); ++y) {
            for (int x = 0; x < shape_.Width(); ++x) {
                if (shape_.OnFrame(x, y, borderWidth_, borderHeight_)) {
                    tip.setPixel(x, y, colour);
                }
            }
        }
    }
    return tip;
}

QImage HtmlTooltip::RenderTip(int opacity) const {
    opacity = std::clamp(opacity, 0, 100);
    QImage out = beneath_.isNull() ? QImage(windowShape_.size(), QImage::Format_ARGB32) : beneath_;
    if (beneath_.isNull()) {
        out.fill(Qt::black);
    }
    out = out.convertToFormat(QImage::Format_ARGB32);
    const int ox = std::max(0, -shadowX_);
    const int oy = std::max(0, -shadowY_);
    if (shadowX_ != 0 || shadowY_ != 0) {
        const int e = static_cast<int>(std::lround(255.0 * (100 - shadowDarken_) / 100.0));
        const int grey = e + (255 - e) * opacity / 100;
        QImage mask(out.size(), QImage::Format_ARGB32);
        mask.fill(Qt::white);
        for (int y = 0; y < shape_.Height(); ++y) {
            for (int x = 0; x < shape_.Width(); ++x) {
                if (shape_.Contains(x, y)) {
                    const int mx = x + ox + shadowX_;
                    const int my = y + oy + shadowY_;
                    if (mx >= 0 && my >= 0 && mx < mask.width() && my < mask.height()) {
                        mask.setPixel(mx, my, qRgb(grey, grey, grey));
                    }
                }
            }
        }
        draw_.DrawShadow(out, 0, 0, out.width(), out.height(), mask, shadowSoft_, shadowDepthX_,
                         shadowDepthY_);
    }
    const QImage tip = ComposeTip();
    QImage blended = out.copy();
    draw_.AlphaBlit(blended, ox, oy, tip.width(), tip.height(), tip, 0, 0, 100 - opacity);
    for (int y = 0; y < shape_.Height(); ++y) {
        for (int x = 0; x < shape_.Width(); ++x) {
            if (shape_.Contains(x, y)) {
                out.setPixel(x + ox, y + oy, blended.pixel(x + ox, y + oy));
            }
        }
    }
    return out;
}

void HtmlTooltip::HideTip() {
    hide();
}

void HtmlTooltip::RedrawTip(int opacity) {
    frame_ = RenderTip(opacity);
    update();
}

void HtmlTooltip::MoveTipBy(int dx, int dy) {
    move(pos() + QPoint(dx, dy));
}

void HtmlTooltip::ClickTip(TipPoint screen) {
    const QPoint local =
        QPoint(screen.x, screen.y) - pos() - QPoint(std::max(0, -shadowX_), std::max(0, -shadowY_));
    drawer_.OnClick(local);
}

bool HtmlTooltip::AdvanceAnimations() {
    return drawer_.AdvanceAnimations();
}

void HtmlTooltip::OnLinkHover() {
    // The drawer is still inside its own hover handling: redraw once it has returned.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (redrawOnLinkHover_ && isVisible()) {
                RedrawTip(0);
            }
        },
        Qt::QueuedConnection);
}

// --- the window's own events ---

void HtmlTooltip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
}

void HtmlTooltip::timerEvent(QTimerEvent* event) {
    for (const auto& [id, timer] : timers_) {
        if (timer.timerId() == event->timerId()) {
            machine_.OnTimer(id);
            return;
        }
    }
    QWidget::timerEvent(event);
}

void HtmlTooltip::mouseMoveEvent(QMouseEvent* event) {
    const QPoint local =
        event->position().toPoint() - QPoint(std::max(0, -shadowX_), std::max(0, -shadowY_));
    setCursor(drawer_.OnMouseMove(local) ? drawer_.LinkCursor() : QCursor(Qt::ArrowCursor));
    const QPoint global = event->globalPosition().toPoint();
    machine_.OnMouseMove(TipPoint{global.x(), global.y()});
}

void HtmlTooltip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint global = event->globalPosition().toPoint();
        machine_.OnLeftButtonDown(TipPoint{global.x(), global.y()});
    } else {
        machine_.OnDismissingInput();
    }
}

void HtmlTooltip::mouseDoubleClickEvent(QMouseEvent*) {
    machine_.OnDismissingInput();
}

void HtmlTooltip::wheelEvent(QWheelEvent*) {
    machine_.OnDismissingInput();
}

}  // namespace quivlane
