#pragma once

#include <QByteArray>
#include <QImage>

namespace quivlane {

// The built-in pictures: a brushed-metal skin with a small LED panel. Everything is drawn from
// code and a fixed-seed noise, so every build makes the same pixels.
class Artwork {
  public:
    static QImage Bar();                  // 197 x 419
    static QImage AlarmDialog();          // 367 x 241
    static QImage UrlDialog();            // 470 x 76
    static QImage Editor();               // 809 x 541
    static QImage Lights();               // 48 x 128: 3 columns, 8 rows of 16 x 16 lamps on magenta
    static QImage MatrixSheet(int size);  // glyph sheets for the display sizes 0, 1 and 2
    static QImage Icon(int size = 64);    // size x size
    static QByteArray IconSvg();          // the icon as a 64 x 64 scalable drawing
};

}  // namespace quivlane
