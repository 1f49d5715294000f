#include "resources/Artwork.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "resources/DotFont.h"

namespace quivlane {

namespace {

const QColor kKey(255, 254, 255);
const QColor kEngraved(46, 50, 58);
const QColor kEngravedLight(236, 238, 242);
const QColor kLedOn(0x3F, 0xB5, 0xFF);
const QColor kLedOff(0x17, 0x40, 0x67);

// Dialog units of the 8-point dialog font, as the dialogs place their controls.
int Dux(int du) {
    return (du * 6 + 2) / 4;
}
int Duy(int du) {
    return (du * 13 + 4) / 8;
}
QRect DuRect(int x, int y, int w, int h) {
    return {Dux(x), Duy(y), Dux(w), Duy(h)};
}

// A fixed-seed generator, so that every build draws the same grain.
class Grain {
  public:
    explicit Grain(std::uint32_t seed) : state_(seed) {}
    // -1 .. 1
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

  private:
    std::uint32_t state_;
};

int Clamp(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

// Brushed aluminium: long horizontal streaks, a soft light from the top.
QImage BrushedMetal(QSize size, QColor base, std::uint32_t seed) {
    QImage image(size, QImage::Format_RGB32);
    Grain grain(seed);
    for (int y = 0; y < size.height(); ++y) {
        const double light = 16.0 - 28.0 * y / std::max(1, size.height() - 1);
        const double row = grain.Next() * 5.0;
        double streak = 0.0;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            streak = streak * 0.93 + grain.Next() * 0.9;
            const double v = light + row + streak * 2.2;
            line[x] =
                qRgb(Clamp(base.red() + v), Clamp(base.green() + v), Clamp(base.blue() + v * 1.08));
        }
    }
    return image;
}

// A metal panel of the given outline on the key colour; the outline is drawn without
// smoothing so that no pixel mixes with the key colour.
QImage Panel(QSize size, const QPainterPath& outline, std::uint32_t seed) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipPath(outline);
    p.drawImage(0, 0, BrushedMetal(size, QColor(172, 176, 182), seed));
    // Rim: a light upper-left edge and a dark lower-right one.
    QLinearGradient rim(0, 0, size.width(), size.height());
    rim.setColorAt(0.0, QColor(250, 251, 253));
    rim.setColorAt(0.5, QColor(150, 154, 162));
    rim.setColorAt(1.0, QColor(70, 74, 82));
    p.setPen(QPen(QBrush(rim), 4.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath inner = outline.translated(0, 0);
    p.setPen(QPen(QColor(120, 124, 132, 140), 1.0));
    p.drawPath(inner);
    return image;
}

QPainterPath Rounded(QRectF rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// A shallow pocket pressed into the metal: shade on the upper-left rim, light on the lower-right.
void Recess(QPainter& p, QRectF rect, double radius, QColor fill) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(rect, radius, radius);
    QLinearGradient rim(rect.topLeft(), rect.bottomRight());
    rim.setColorAt(0.0, QColor(40, 44, 52, 200));
    rim.setColorAt(0.5, QColor(120, 124, 132, 120));
    rim.setColorAt(1.0, QColor(255, 255, 255, 230));
    p.setPen(QPen(QBrush(rim), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(rect, radius, radius);
    p.restore();
}

// Dark glass behind a display, with a faint reflection.
void GlassWindow(QPainter& p, QRectF rect) {
    Recess(p, rect, 3.0, QColor(14, 16, 20));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient glare(rect.topLeft(), rect.bottomLeft());
    glare.setColorAt(0.0, QColor(255, 255, 255, 34));
    glare.setColorAt(0.45, QColor(255, 255, 255, 6));
    glare.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glare);
    p.drawRoundedRect(rect.adjusted(1, 1, -1, -1), 2.5, 2.5);
    p.restore();
}

void Screw(QPainter& p, QPointF centre, double radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(centre + QPointF(0.7, 0.7), radius + 0.6, radius + 0.6);
    QRadialGradient head(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    head.setColorAt(0.0, QColor(238, 240, 244));
    head.setColorAt(0.6, QColor(150, 154, 162));
    head.setColorAt(1.0, QColor(88, 92, 100));
    p.setBrush(head);
    p.setPen(QPen(QColor(70, 74, 82), 0.8));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(60, 64, 72), 1.1));
    p.drawLine(centre + QPointF(-radius * 0.7, radius * 0.35),
               centre + QPointF(radius * 0.7, -radius * 0.35));
    p.restore();
}

// Socket ring in which a lamp sits.
void LampSocket(QPainter& p, QPointF centre, double radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient ring(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    ring.setColorAt(0.0, QColor(70, 74, 82));
    ring.setColorAt(1.0, QColor(245, 246, 248));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(30, 32, 38));
    p.drawEllipse(centre, radius - 1.5, radius - 1.5);
    p.restore();
}

// Characters of the display font: square dots of `dot` pixels, `gap` pixels apart.
void DotText(QPainter& p, int x, int y, const char* text, int dot, int gap, QColor colour,
             QColor unlit = QColor()) {
    const int pitch = dot + gap;
    const int advance = DotFont::kColumns * pitch + dot;
    for (int i = 0; text[i] != '\0'; ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        for (int col = 0; col < DotFont::kColumns; ++col) {
            for (int row = 0; row < DotFont::kRows; ++row) {
                const QRect r(x + i * advance + col * pitch, y + row * pitch, dot, dot);
                if (DotFont::IsLit(c, col, row)) {
                    p.fillRect(r, colour);
                } else if (unlit.isValid()) {
                    p.fillRect(r, unlit);
                }
            }
        }
    }
}

int DotTextWidth(const char* text, int dot, int gap) {
    const int n = static_cast<int>(std::char_traits<char>::length(text));
    const int pitch = dot + gap;
    return n * (DotFont::kColumns * pitch + dot) - dot - gap;
}

// Pixel letters cut into the metal.
void EngravedDots(QPainter& p, int x, int y, const char* text, int dot) {
    DotText(p, x + 1, y + 1, text, dot, 0, kEngravedLight);
    DotText(p, x, y, text, dot, 0, kEngraved);
}

QFont CaptionFont(int pixelSize, bool bold = true) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void EngravedText(QPainter& p, QRect rect, int flags, const QString& text, const QFont& font,
                  QColor colour = kEngraved) {
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font);
    p.setPen(kEngravedLight);
    p.drawText(rect.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(rect, flags, text);
    p.restore();
}

void Groove(QPainter& p, int x0, int x1, int y) {
    p.fillRect(QRect(x0, y, x1 - x0, 1), QColor(96, 100, 108));
    p.fillRect(QRect(x0, y + 1, x1 - x0, 1), QColor(244, 245, 248));
}

}  // namespace

QImage Artwork::Bar() {
    const QSize size(197, 419);
    QImage image = Panel(size, Rounded(QRectF(3, 3, 191, 413), 22), 0xB4A7u);
    QPainter p(&image);

    for (const QPointF at :
         {QPointF(17, 17), QPointF(180, 17), QPointF(17, 402), QPointF(180, 402)}) {
        Screw(p, at, 4.0);
    }
    const char* title = "QUIVLANE";
    EngravedDots(p, (size.width() - DotTextWidth(title, 2, 0)) / 2, 22, title, 2);

    // The display sits at (21, 57) once it has sized itself to 14 cells: 158 x 19.
    GlassWindow(p, QRectF(16.5, 53.5, 168, 26));

    // Lamps, 16 x 16, centred in their controls.
    const QRect power = DuRect(13, 49, 13, 11);
    const QRect action = DuRect(47, 49, 13, 11);
    const QPointF powerCentre(power.x() + (power.width() - 16) / 2 + 8.0,
                              power.y() + (power.height() - 16) / 2 + 8.0);
    const QPointF actionCentre(action.x() + (action.width() - 16) / 2 + 8.0,
                               action.y() + (action.height() - 16) / 2 + 8.0);
    LampSocket(p, powerCentre, 9.5);
    LampSocket(p, actionCentre, 9.5);
    EngravedDots(p, static_cast<int>(powerCentre.x()) + 11, static_cast<int>(powerCentre.y()) - 4,
                 "POWER", 1);
    EngravedDots(p, static_cast<int>(actionCentre.x()) + 11, static_cast<int>(actionCentre.y()) - 3,
                 "ACTION", 1);

    // A plate under the twenty buttons.
    const QRect first = DuRect(14, 63, 49, 14);
    const QRect last = DuRect(70, 214, 49, 14);
    Recess(p,
           QRectF(first.left() - 5.5, first.top() - 4.5, last.right() - first.left() + 12,
                  last.bottom() - first.top() + 10),
           5.0, QColor(0, 0, 0, 14));

    // Speaker grille.
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 13; ++col) {
            const QPointF c(62.5 + col * 6 + (row % 2) * 3, 388.5 + row * 5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 160));
            p.drawEllipse(c + QPointF(0.6, 0.6), 1.5, 1.5);
            p.setBrush(QColor(34, 36, 42));
            p.drawEllipse(c, 1.5, 1.5);
        }
    }
    return image;
}

QImage Artwork::AlarmDialog() {
    const QSize size(367, 241);
    // The dialog's window is 369 x 236 (246 x 145 dialog units): the panel ends above the
    // picture's last rows so that its lower edge is not cut off.
    QImage image = Panel(size, Rounded(QRectF(2, 2, 363, 231), 16), 0x5EEDu);
    QPainter p(&image);
    for (const QPointF at : {QPointF(14, 14), QPointF(353, 14)}) {
        Screw(p, at, 3.5);
    }
    // The lower screws sit low in the corners, clear of the three buttons.
    for (const QPointF at : {QPointF(13, 229), QPointF(354, 229)}) {
        Screw(p, at, 2.8);
    }
    EngravedDots(p, 28, 18, "ALARME", 1);
    const QRect display = DuRect(74, 9, 93, 14);
    GlassWindow(p, QRectF(display.x() - 4.5, display.y() - 4.5, 168, 29));
    EngravedDots(p, display.x() + 158 + 10, 18, "HH;MM", 1);

    const QRect hours = DuRect(8, 31, 226, 19);
    const QRect minutes = DuRect(9, 78, 226, 18);
    Recess(p, QRectF(hours.adjusted(-3, -2, 3, 2)), 6, QColor(190, 194, 200, 110));
    Recess(p, QRectF(minutes.adjusted(-3, -2, 3, 2)), 6, QColor(190, 194, 200, 110));
    const QFont font = CaptionFont(10);
    EngravedText(p, QRect(hours.x(), hours.bottom() + 5, 200, 14), Qt::AlignLeft | Qt::AlignTop,
                 QStringLiteral("HEURES"), font);
    EngravedText(p, QRect(minutes.x(), minutes.bottom() + 5, 200, 14), Qt::AlignLeft | Qt::AlignTop,
                 QStringLiteral("MINUTES"), font);
    Groove(p, 12, 355, Duy(124) - 9);
    return image;
}

QImage Artwork::UrlDialog() {
    const QSize size(470, 76);
    QImage image = Panel(size, Rounded(QRectF(1, 1, 468, 74), 12), 0x0A11u);
    QPainter p(&image);
    const QRect edit = DuRect(7, 7, 297, 12);
    Recess(p, QRectF(edit.adjusted(-3, -3, 3, 3)), 4, QColor(30, 32, 38));
    const QRect lamp = DuRect(7, 25, 22, 18);
    const QPointF centre(lamp.x() + (lamp.width() - 16) / 2 + 8.0,
                         lamp.y() + (lamp.height() - 16) / 2 + 8.0);
    LampSocket(p, centre, 9.5);
    EngravedDots(p, static_cast<int>(centre.x()) + 14, static_cast<int>(centre.y()) - 3,
                 "ADRESSE INTERNET", 1);
    return image;
}

QImage Artwork::Editor() {
    const QSize size(809, 541);
    // The editor's window is 803 x 517 (535 x 318 dialog units): the panel ends inside it so
    // that its lower corners are not cut off.
    QImage image = Panel(size, Rounded(QRectF(1, 1, 801, 515), 14), 0xED17u);
    QPainter p(&image);
    for (const QPointF at :
         {QPointF(12, 12), QPointF(790, 12), QPointF(12, 504), QPointF(790, 504)}) {
        Screw(p, at, 4.0);
    }

    // Pockets under the two groups of controls.
    Recess(p, QRectF(DuRect(351, 10, 169, 111)).adjusted(-2.5, -2.5, 2.5, 2.5), 6,
           QColor(0, 0, 0, 12));
    Recess(p, QRectF(DuRect(7, 121, 513, 172)).adjusted(-2.5, -2.5, 2.5, 2.5), 6,
           QColor(0, 0, 0, 12));

    // Title: a lit LED panel naming the tool.
    const QRectF titleBox(22, 18, 490, 168);
    GlassWindow(p, titleBox);
    const char* name = "QUIVSET";
    const int dot = 5;
    DotText(p, static_cast<int>(titleBox.center().x()) - DotTextWidth(name, dot, 1) / 2, 44, name,
            dot, 1, kLedOn, kLedOff.darker(160));
    p.setFont(CaptionFont(15));
    p.setPen(QColor(200, 226, 244));
    p.drawText(QRect(22, 108, 490, 22), Qt::AlignCenter,
               QStringLiteral("Outil de configuration de Quivlane"));
    p.setFont(CaptionFont(11, false));
    p.setPen(QColor(120, 150, 176));
    p.drawText(QRect(22, 136, 490, 18), Qt::AlignCenter, QStringLiteral("Version 1.0"));

    // Captions of the six switches, beside their boxes.
    const QFont caption = CaptionFont(11);
    const struct {
        int y;
        const char* text;
    } switches[] = {{18, "SON LORS DU CLIC"},        {32, "DÉMARRER AVEC WINDOWS"},
                    {47, "AFFICHER LES INFOBULLES"}, {62, "AJOUTER BOUTON QUITTER"},
                    {77, "RENDRE TRANSPARENT"},      {91, "AFFICHER L'HORLOGE"}};
    for (const auto& s : switches) {
        EngravedText(p, QRect(Dux(357) + Dux(11) + 6, Duy(s.y), 220, Duy(12)),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(s.text), caption);
    }

    // Field captions, right-aligned before their fields.
    const auto fieldCaption = [&](int fieldX, int fieldY, const char* text) {
        const int right = Dux(fieldX) - 8;
        EngravedText(p, QRect(right - 120, Duy(fieldY), 120, Duy(12)),
                     Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(text), caption);
    };
    fieldCaption(159, 135, "LIBELLÉ");
    fieldCaption(159, 154, "COMMANDE");
    fieldCaption(161, 216, "COMMENTAIRE");
    fieldCaption(162, 235, "COULEUR");
    EngravedText(p, QRect(Dux(12), Duy(121) + 4, 120, 14), Qt::AlignLeft | Qt::AlignTop,
                 QStringLiteral("BOUTONS"), CaptionFont(10));

    // The colour words, each in its colour, beside its radio button.
    const struct {
        int x;
        const char* text;
        QColor colour;
    } colours[] = {{162, "NOIR", QColor(0, 0, 0)},
                   {222, "JAUNE", QColor(168, 163, 30)},
                   {282, "VERT", QColor(20, 167, 37)},
                   {342, "BLEU", QColor(0, 0, 255)},
                   {403, "ROUGE", QColor(255, 0, 0)}};
    for (const auto& c : colours) {
        EngravedText(p, QRect(Dux(c.x) + Dux(11) + 4, Duy(235), 80, Duy(11)),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(c.text), caption,
                     c.colour);
    }

    // An arrow from the system-function list up to the link field.
    const QRect list = DuRect(353, 169, 162, 44);
    const QRect linkField = DuRect(159, 154, 360, 12);
    const QRect functionButton = DuRect(282, 171, 70, 15);
    const int turnX = functionButton.left() - 12;
    const int runY = functionButton.bottom() + 20;
    const int tipY = linkField.bottom() + 3;
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const auto& [offset, colour] :
         {std::pair{1, kEngravedLight}, std::pair{0, QColor(150, 30, 30)}}) {
        QPainterPath arrow;
        arrow.moveTo(list.left() - 3 + offset, runY + offset);
        arrow.lineTo(turnX + offset, runY + offset);
        arrow.lineTo(turnX + offset, tipY + 8 + offset);
        p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrow);
        QPainterPath head;
        head.moveTo(turnX + offset, tipY + offset);
        head.lineTo(turnX - 5 + offset, tipY + 9 + offset);
        head.lineTo(turnX + 5 + offset, tipY + 9 + offset);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(head);
    }
    return image;
}

QImage Artwork::Lights() {
    QImage image(48, 128, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    const QColor hues[4] = {QColor(255, 36, 24), QColor(40, 235, 70), QColor(255, 214, 30),
                            QColor(50, 140, 255)};
    for (int shape = 0; shape < 2; ++shape) {
        for (int hue = 0; hue < 4; ++hue) {
            const int y = (shape * 4 + hue) * 16;
            for (int column = 0; column < 3; ++column) {
                const int x = column * 16;
                QColor core = hues[hue];
                if (column == 1) {
                    core = core.darker(330);
                } else if (column == 2) {
                    core = QColor(118, 120, 124);
                }
                // The bezel is drawn hard-edged so that no pixel mixes with the magenta.
                p.setRenderHint(QPainter::Antialiasing, false);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(44, 46, 52));
                if (shape == 0) {
                    p.drawEllipse(QRect(x + 1, y + 1, 14, 14));
                } else {
                    p.drawRect(QRect(x + 1, y + 1, 14, 14));
                }
                p.setRenderHint(QPainter::Antialiasing, true);
                QRadialGradient glow(QPointF(x + 6.5, y + 6.0), 7.5);
                glow.setColorAt(0.0, column == 0 ? core.lighter(175) : core.lighter(130));
                glow.setColorAt(0.55, core);
                glow.setColorAt(1.0, core.darker(170));
                p.setBrush(glow);
                if (shape == 0) {
                    p.drawEllipse(QRectF(x + 3, y + 3, 10, 10));
                } else {
                    p.drawRoundedRect(QRectF(x + 3, y + 3, 10, 10), 1.5, 1.5);
                }
                p.setBrush(QColor(255, 255, 255, column == 0 ? 200 : 90));
                p.drawEllipse(QRectF(x + 5, y + 4.5, 3, 2.2));
            }
        }
    }
    return image;
}

QImage Artwork::MatrixSheet(int size) {
    int cellWidth = 19;
    int cellHeight = 27;
    int spacing = 3;
    if (size == 0) {
        cellWidth = 14;
        cellHeight = 20;
        spacing = 2;
    } else if (size == 2) {
        cellWidth = 10;
        cellHeight = 14;
        spacing = 1;
    }
    const int pitchX = cellWidth + spacing;
    const int pitchY = cellHeight + spacing;
    QImage image(32 * pitchX, 3 * pitchY, QImage::Format_RGB32);
    image.fill(Qt::black);
    const int dotPitch = DotFont::DotPitch(cellWidth);
    const int dot = DotFont::DotSize(cellWidth);
    for (int c = DotFont::kFirst; c <= DotFont::kLast; ++c) {
        const int originX = ((c - 32) % 32) * pitchX;
        const int originY = ((c - 32) / 32) * pitchY;
        for (int col = 0; col < DotFont::kColumns; ++col) {
            for (int row = 0; row < DotFont::kRows; ++row) {
                const QRgb colour = DotFont::IsLit(c, col, row) ? kLedOn.rgb() : kLedOff.rgb();
                for (int dy = 0; dy < dot; ++dy) {
                    for (int dx = 0; dx < dot; ++dx) {
                        // Large dots lose their corners, which makes them look round;
                        // small ones their lower-right pixel, which keeps them apart.
                        const bool corner =
                            dot >= 3 ? (dx == 0 || dx == dot - 1) && (dy == 0 || dy == dot - 1)
                                     : dot == 2 && dx == 1 && dy == 1;
                        if (!corner) {
                            image.setPixel(originX + col * dotPitch + dx,
                                           originY + row * dotPitch + dy, colour);
                        }
                    }
                }
            }
        }
    }
    return image;
}

// The icon is laid out on a 64-unit square and scaled; the grain is made at the size drawn,
// so that larger icons get finer streaks rather than blown-up ones.
QImage Artwork::Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 64.0, size / 64.0);
    const QPainterPath body = Rounded(QRectF(3, 3, 58, 58), 13);
    p.setClipPath(body);
    p.drawImage(QRectF(0, 0, 64, 64),
                BrushedMetal(QSize(size, size), QColor(176, 180, 186), 0x1C0u));
    p.setClipping(false);
    QLinearGradient rim(0, 0, 64, 64);
    rim.setColorAt(0.0, QColor(250, 251, 253));
    rim.setColorAt(1.0, QColor(60, 64, 72));
    p.setPen(QPen(QBrush(rim), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    GlassWindow(p, QRectF(13, 11, 38, 42));
    // Whole multiples keep the dots crisp; other sizes need smoothing or dots vanish.
    p.setRenderHint(QPainter::Antialiasing, size % 64 != 0);
    DotText(p, 22, 18, "Q", 3, 1, kLedOn, kLedOff);
    return image;
}

QByteArray Artwork::IconSvg() {
    // The same drawing as Icon(), in vector form; the brushed grain becomes a few faint
    // streaks from the same seed.
    QString svg;
    const auto colour = [](QColor c) { return c.name(QColor::HexRgb); };
    svg += QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
        "viewBox=\"0 0 64 64\">\n"
        "<defs>\n"
        "<linearGradient id=\"metal\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"64\" "
        "gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"#c0c4ca\"/>"
        "<stop offset=\"1\" stop-color=\"#a4a8ad\"/></linearGradient>\n"
        "<linearGradient id=\"rim\" x1=\"0\" y1=\"0\" x2=\"64\" y2=\"64\" "
        "gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"#fafbfd\"/>"
        "<stop offset=\"1\" stop-color=\"#3c4048\"/></linearGradient>\n"
        "<linearGradient id=\"recess\" x1=\"13\" y1=\"11\" x2=\"51\" y2=\"53\" "
        "gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"#282c34\" stop-opacity=\"0.78\"/>"
        "<stop offset=\"0.5\" stop-color=\"#787c84\" stop-opacity=\"0.47\"/>"
        "<stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0.9\"/></linearGradient>\n"
        "<linearGradient id=\"glare\" x1=\"0\" y1=\"11\" x2=\"0\" y2=\"53\" "
        "gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"0.13\"/>"
        "<stop offset=\"0.45\" stop-color=\"#ffffff\" stop-opacity=\"0.02\"/>"
        "<stop offset=\"0.5\" stop-color=\"#ffffff\" stop-opacity=\"0\"/></linearGradient>\n"
        "<clipPath id=\"body\"><rect x=\"3\" y=\"3\" width=\"58\" height=\"58\" "
        "rx=\"13\"/></clipPath>\n"
        "</defs>\n"
        "<rect x=\"3\" y=\"3\" width=\"58\" height=\"58\" rx=\"13\" "
        "fill=\"url(#metal)\"/>\n"
        "<g clip-path=\"url(#body)\">\n");
    Grain grain(0x1C0u);
    for (int y = 3; y < 61; y += 2) {
        const double v = grain.Next();
        svg += QStringLiteral(
                   "<rect x=\"0\" y=\"%1\" width=\"64\" height=\"1\" "
                   "fill=\"%2\" fill-opacity=\"%3\"/>\n")
                   .arg(y)
                   .arg(v < 0 ? QStringLiteral("#000000") : QStringLiteral("#ffffff"))
                   .arg(0.02 + 0.05 * std::abs(v), 0, 'f', 3);
    }
    svg += QStringLiteral(
        "</g>\n"
        "<rect x=\"3\" y=\"3\" width=\"58\" height=\"58\" rx=\"13\" fill=\"none\" "
        "stroke=\"url(#rim)\" stroke-width=\"2\"/>\n"
        "<rect x=\"13\" y=\"11\" width=\"38\" height=\"42\" rx=\"3\" fill=\"#0e1014\" "
        "stroke=\"url(#recess)\" stroke-width=\"1.4\"/>\n"
        "<rect x=\"14\" y=\"12\" width=\"36\" height=\"40\" rx=\"2.5\" "
        "fill=\"url(#glare)\"/>\n");
    for (int col = 0; col < DotFont::kColumns; ++col) {
        for (int row = 0; row < DotFont::kRows; ++row) {
            const bool lit = DotFont::IsLit('Q', col, row);
            svg += QStringLiteral(
                       "<rect x=\"%1\" y=\"%2\" width=\"3\" height=\"3\" "
                       "fill=\"%3\"/>\n")
                       .arg(22 + col * 4)
                       .arg(18 + row * 4)
                       .arg(colour(lit ? kLedOn : kLedOff));
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace quivlane
