#include "controls/MatrixDisplay.h"

#include <QPainter>
#include <QString>
#include <QTimerEvent>

#include "base/TextEncoding.h"
#include "resources/ResourceNames.h"

namespace quivlane {

namespace {

// The glyph sheets are drawn in exactly these three colours.
constexpr QRgb kSheetOn = 0xFF3FB5FF;
constexpr QRgb kSheetOff = 0xFF174067;
constexpr QRgb kSheetBackground = 0xFF000000;

const char* SheetFor(int size) {
    switch (size) {
        case 0:
            return resources::kMatrixSize0;
        case 2:
            return resources::kMatrixSize2;
        default:
            return resources::kMatrixSize1;
    }
}

}  // namespace

const QColor MatrixDisplay::kDefaultOn(0x3F, 0xB5, 0xFF);
const QColor MatrixDisplay::kDefaultOff(0x17, 0x40, 0x67);
const QColor MatrixDisplay::kDefaultBackground(0, 0, 0);

MatrixDisplay::MatrixDisplay(QWidget* parent) : QWidget(parent) {
    // Like a static control, the display lets presses through to the dialog beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

MatrixDisplay::~MatrixDisplay() = default;

void MatrixDisplay::SetText(const std::string& utf8) {
    SetTextBytes(TextEncoding::Utf8ToWindows1252(utf8));
}

void MatrixDisplay::SetTextBytes(const std::string& bytes) {
    if (model_.SetText(bytes)) {
        update();
    }
}

void MatrixDisplay::SetFontSize(int size) {
    const int normalised = (size == 0 || size == 2) ? size : 1;
    glyphs_ = MatrixText::GlyphSizeFor(normalised);
    if (normalised != fontSize_) {
        fontSize_ = normalised;
        sourceSheet_ =
            QImage(QString::fromLatin1(SheetFor(normalised))).convertToFormat(QImage::Format_RGB32);
        sheetDirty_ = true;
    }
}

void MatrixDisplay::SetColumns(int n) {
    model_.SetColumns(n);
}

void MatrixDisplay::SetRows(int n) {
    model_.SetRows(n);
}

void MatrixDisplay::SizeToColumns(int n) {
    if (model_.Columns() == 0) {
        model_.SetColumns(n);
    }
    const int clientHeight = height() - 2 * kFrame;
    resize(n * glyphs_.Pitch() + 2 * kFrame, clientHeight + 2 * kFrame);
}

void MatrixDisplay::SizeToRows(int n) {
    if (model_.Rows() == 0) {
        model_.SetRows(n);
    }
    const int clientWidth = width() - 2 * kFrame;
    resize(clientWidth + 2 * kFrame, n * glyphs_.LinePitch() + 2 * kFrame);
}

void MatrixDisplay::SetColours(const QColor& background, const QColor& on, const QColor& off) {
    background_ = background;
    on_ = on;
    off_ = off;
    sheetDirty_ = true;
    update();
}

void MatrixDisplay::SetPadding(bool enabled, char padCharacter) {
    model_.SetPadding(enabled, padCharacter);
}

void MatrixDisplay::StartScroll(int periodMs, int mode) {
    if (scrolling_) {
        return;
    }
    scrolling_ = true;
    model_.SetMode(mode);
    timer_.start(periodMs, this);
}

void MatrixDisplay::StopScroll() {
    if (scrolling_) {
        timer_.stop();
        scrolling_ = false;
    }
}

void MatrixDisplay::ScrollStep() {
    if (model_.ScrollStep()) {
        update();
    }
}

void MatrixDisplay::timerEvent(QTimerEvent*) {
    ScrollStep();
}

QRect MatrixDisplay::DotArea() const {
    return rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
}

void MatrixDisplay::PrepareSheet() {
    if (!sheetDirty_) {
        return;
    }
    preparedSheet_ = sourceSheet_.copy();
    const QRgb on = on_.rgb();
    const QRgb off = off_.rgb();
    const QRgb background = background_.rgb();
    for (int y = 0; y < preparedSheet_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(preparedSheet_.scanLine(y));
        for (int x = 0; x < preparedSheet_.width(); ++x) {
            const QRgb pixel = line[x] | 0xFF000000u;
            if (pixel == kSheetOn) {
                line[x] = on;
            } else if (pixel == kSheetOff) {
                line[x] = off;
            } else if (pixel == kSheetBackground) {
                line[x] = background;
            }
        }
    }
    sheetDirty_ = false;
}

void MatrixDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A sunken bezel, as the display window of the panel.
    const QRect r = rect();
    painter.setPen(QColor(40, 42, 48));
    painter.drawLine(r.left(), r.top(), r.right(), r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
    painter.setPen(QColor(12, 12, 14));
    painter.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    painter.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    painter.setPen(QColor(236, 238, 242));
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    painter.setPen(QColor(168, 172, 180));
    painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    painter.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);

    if (model_.Text().empty()) {
        return;
    }
    const QRect area = DotArea();
    painter.setClipRect(area);
    painter.fillRect(area, background_);
    if (fontSize_ < 0 || sourceSheet_.isNull()) {
        return;
    }
    PrepareSheet();
    const int pitch = glyphs_.Pitch();
    const int linePitch = glyphs_.LinePitch();
    for (const MatrixText::Placement& p : model_.Layout()) {
        const MatrixText::Point cell = MatrixText::CellOrigin(p.byte, glyphs_);
        painter.drawImage(QPoint(area.left() + p.column * pitch, area.top() + p.line * linePitch),
                          preparedSheet_, QRect(cell.x, cell.y, pitch, linePitch));
    }
}

}  // namespace quivlane
