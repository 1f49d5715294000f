#include "launcher/tray/BarTray.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include "launcher/bar/TextRules.h"
#include "resources/ResourceNames.h"

namespace quivlane {

namespace {

ScreenRect FromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const ScreenRect& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Qt's own XEmbed icon reports a press as a trigger, before any double-click; hosts of the
// desktop bus (StatusNotifierItem) report a plain click that way and never a double-click.
bool IsXEmbedIcon() {
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QSystemTrayIconSys")) {
            return true;
        }
    }
    return false;
}

}  // namespace

BarTray::BarTray(QWidget& bar, BarView& commands, Clock& clock)
    : bar_(bar),
      commands_(commands),
      clock_(clock),
      trayAvailable_(&QSystemTrayIcon::isSystemTrayAvailable),
      // Qt's general effects follow the desktop's animation preference where the platform
      // theme reports one.
      animationsOn_([] { return QApplication::isEffectEnabled(Qt::UI_General); }),
      icon_(*this) {
    BuildMenu();
    systemIcon_.setIcon(QIcon(QString::fromLatin1(resources::kIcon)));
    systemIcon_.setToolTip(QString::fromUtf8(TrayIcon::kTip));
    systemIcon_.setContextMenu(&menu_);
    QObject::connect(&systemIcon_, &QSystemTrayIcon::activated, &systemIcon_,
                     [this](QSystemTrayIcon::ActivationReason reason) { OnActivated(reason); });
    trayLook_.setInterval(kTrayLookMs);
    QObject::connect(&trayLook_, &QTimer::timeout, &systemIcon_, [this] { LookForTray(); });
    // Panels appearing or moving change the work area; some hosts drop their icons then.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QObject::connect(screen, &QScreen::availableGeometryChanged, &systemIcon_,
                         [this] { icon_.OnWorkAreaChanged(); });
    }
}

BarTray::~BarTray() = default;

void BarTray::SetDesktopQueries(std::function<bool()> trayAvailable,
                                std::function<bool()> animationsOn) {
    trayAvailable_ = std::move(trayAvailable);
    animationsOn_ = std::move(animationsOn);
}

void BarTray::BuildMenu() {
    const auto& entries = TrayIcon::Menu();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int command = entries[i].command;
        QAction* action = menu_.addAction(QString::fromStdString(entries[i].text));
        action->setData(command);
        QObject::connect(action, &QAction::triggered, &menu_,
                         [this, command] { commands_.PostCommand(command); });
        if (static_cast<int>(i) == TrayIcon::kDefaultPosition) {
            // Qt's menus draw their default action bold.
            menu_.setDefaultAction(action);
        }
    }
    QObject::connect(&menu_, &QMenu::aboutToShow, &menu_, [this] { BringBarForward(); });
}

void BarTray::Create() {
    icon_.Create();
    if (icon_.Waiting()) {
        trayLook_.start();
    }
}

void BarTray::LookForTray() {
    if (icon_.Waiting() && trayAvailable_()) {
        icon_.OnTrayAppeared();
    }
    if (!icon_.Waiting()) {
        trayLook_.stop();
    }
}

void BarTray::Remove() {
    trayLook_.stop();
    icon_.Remove();
}

bool BarTray::Available() {
    return trayAvailable_();
}

bool BarTray::AddIcon() {
    // A notification area that went away makes the add fail, as the shell's refusal would.
    if (!trayAvailable_()) {
        return false;
    }
    systemIcon_.show();
    return true;
}

bool BarTray::DeleteIcon() {
    systemIcon_.hide();
    return true;
}

void BarTray::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    // The context menu is Qt's own; a double-click is ours, and so is a click where the host
    // has no double-click.
    if (reason == QSystemTrayIcon::DoubleClick ||
        (reason == QSystemTrayIcon::Trigger && !IsXEmbedIcon())) {
        BringBarForward();
        commands_.PostCommand(TrayIcon::Menu().at(TrayIcon::kDefaultPosition).command);
    }
}

void BarTray::BringBarForward() {
    if (bar_.isVisible()) {
        bar_.raise();
        bar_.activateWindow();
    }
}

ScreenRect BarTray::GetTrayRect() const {
    TrayPlaces places;
    if (systemIcon_.isVisible()) {
        places.icon = FromQRect(systemIcon_.geometry());
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        places.screen = FromQRect(screen->geometry());
        places.workArea = FromQRect(screen->availableGeometry());
    }
    return TrayGeometry::GetTrayRect(places);
}

bool BarTray::MinimiseToTray() {
    // A notification area that went away takes the icon with it until it comes back.
    if (!icon_.Shown() || !trayAvailable_()) {
        commands_.SetDisplayText(TextRules::CentreCaption(kNoTrayMessage));
        commands_.PaintDisplayNow();
        clock_.Wait(1000);
        return false;
    }
    if (animationsOn_()) {
        Animate(FromQRect(bar_.frameGeometry()), GetTrayRect());
    }
    // The bar is a tool window already, so it has no taskbar entry to lose while hidden.
    bar_.hide();
    return true;
}

void BarTray::RestoreFromTray() {
    if (animationsOn_()) {
        Animate(GetTrayRect(), FromQRect(bar_.frameGeometry()));
    }
    bar_.show();
    bar_.repaint();
    bar_.raise();
    bar_.activateWindow();
}

void BarTray::Animate(const ScreenRect& from, const ScreenRect& to) {
    if (!ghost_) {
        ghost_ = std::make_unique<QWidget>(
            nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
        ghost_->setAttribute(Qt::WA_ShowWithoutActivating);
        QPalette palette = ghost_->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
        ghost_->setPalette(palette);
        ghost_->setAutoFillBackground(true);
        ghost_->setWindowOpacity(0.6);
    }
    // The waits block like the desktop's own animation does; the bar's timers wait meanwhile.
    for (const ScreenRect& frame : TrayGeometry::AnimationFrames(from, to, kAnimationSteps)) {
        ghost_->setGeometry(ToQRect(frame));
        ghost_->show();
        // The outline needs its expose from the window system before it can be drawn; the
        // bar's timers and the user's input are held back meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::X11ExcludeTimers);
        ghost_->repaint();
        clock_.Wait(kAnimationStepMs);
    }
    ghost_->hide();
}

}  // namespace quivlane
