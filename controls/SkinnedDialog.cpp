#include "controls/SkinnedDialog.h"

#include <QBitmap>
#include <QFont>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <utility>

#include "controls/DialogUnits.h"
#include "controls/X11Window.h"

namespace quivlane {

namespace {

// Calls back at each expose of the watched native window.
class ExposeWatch final : public QObject {
  public:
    explicit ExposeWatch(std::function<void()> exposed) : exposed_(std::move(exposed)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            if (auto* window = qobject_cast<QWindow*>(watched); window && window->isExposed()) {
                exposed_();
            }
        }
        return false;
    }

  private:
    std::function<void()> exposed_;
};

}  // namespace

SkinnedDialog::SkinnedDialog(QWidget* parent) : QDialog(parent) {
    // The dialogs are laid out for a narrow 8-point sans-serif face; the desktop's wider
    // default would cut captions such as "ALRM 07:30" and "Ouvrir le site" short.
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                            QStringLiteral("DejaVu Sans Condensed")});
    dialogFont.setPointSize(8);
    setFont(dialogFont);
}

SkinnedDialog::~SkinnedDialog() = default;

bool SkinnedDialog::SetBackgroundFromResource(const std::string& resourcePath) {
    return AdoptBackground(QImage(QString::fromStdString(resourcePath)));
}

bool SkinnedDialog::SetBackgroundFromFile(const std::string& path) {
    return AdoptBackground(QImage(QString::fromStdString(path)));
}

bool SkinnedDialog::AdoptBackground(QImage picture) {
    background_ = QImage();
    if (!picture.isNull() && picture.width() > 0 && picture.height() > 0) {
        background_ = picture.convertToFormat(QImage::Format_RGB32);
    }
    // A new picture brings a new outline.
    if (colourKey_) {
        ApplyColourKeyMask();
    }
    update();
    return !background_.isNull();
}

bool SkinnedDialog::SetWindowAlpha(int alpha) {
    // Without a compositor the opacity shows nothing, and an unmasked window would show its
    // key-coloured corners as a white square: the outline stays cut then.
    if (alpha >= 255 || X11Window::CompositorRunning()) {
        colourKey_.reset();
        clearMask();
    }
    if (alpha >= 255) {
        setWindowOpacity(1.0);
        // Switching the effect off leaves stale pixels behind on some window systems.
        update();
        for (QWidget* child : findChildren<QWidget*>()) {
            child->update();
        }
    } else {
        setWindowOpacity(std::max(alpha, 0) / 255.0);
    }
    // Each step of a fade must be on screen before the caller's wait, not queued behind it.
    QGuiApplication::sync();
    return true;
}

bool SkinnedDialog::SetColourKey(const QColor& colour) {
    setWindowOpacity(1.0);
    colourKey_ = colour;
    ApplyColourKeyMask();
    return true;
}

void SkinnedDialog::ApplyColourKeyMask() {
    if (!colourKey_ || background_.isNull()) {
        clearMask();
        return;
    }
    const QImage keyed = background_.createMaskFromColor(colourKey_->rgb(), Qt::MaskInColor);
    QRegion shape(QBitmap::fromImage(keyed));
    // The window may be larger than its picture; what lies beyond the picture stays visible.
    const QRect window(QPoint(0, 0), size().expandedTo(background_.size()));
    shape += QRegion(window).subtracted(QRegion(background_.rect()));
    setMask(shape);
}

QRect SkinnedDialog::DialogUnitsToPixels(int x, int y, int width, int height) {
    return {DialogUnits::ToPixelsX(x), DialogUnits::ToPixelsY(y), DialogUnits::ToPixelsX(width),
            DialogUnits::ToPixelsY(height)};
}

void SkinnedDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (background_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.drawImage(QPoint(0, 0), background_);
}

void SkinnedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeAsked_ = pos();
    QWindow* handle = windowHandle();
    if (handle != nullptr && !exposeWatch_) {
        exposeWatch_ = std::make_unique<ExposeWatch>([this] { CheckPlaceOnceShown(); });
        handle->installEventFilter(exposeWatch_.get());
    }
}

void SkinnedDialog::CheckPlaceOnceShown() {
    if (!placeAsked_) {
        return;
    }
    const QPoint asked = *placeAsked_;
    placeAsked_.reset();
    // A reparenting window manager can report the window's place inside its frame before the
    // frame itself is placed; Qt then believes the window sits near the origin, and system
    // moves, menus and dialogs placed from it go astray. Asking for the place again makes the
    // window manager confirm where the window really is.
    const std::optional<QPoint> server = X11Window::ServerPosition(*this);
    if (server && *server != mapToGlobal(QPoint(0, 0))) {
        move(asked);
    }
}

void SkinnedDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!background_.isNull()) {
        if (colourKey_) {
            ApplyColourKeyMask();
        }
        update();
    }
}

void SkinnedDialog::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!moveByBackground_ || event->button() != Qt::LeftButton || childAt(at) != nullptr) {
        QDialog::mousePressEvent(event);
        return;
    }
    QWindow* handle = window()->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        event->accept();
        return;
    }
    dragOffset_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
    event->accept();
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - *dragOffset_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void SkinnedDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (dragOffset_ && event->button() == Qt::LeftButton) {
        dragOffset_.reset();
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

}  // namespace quivlane
