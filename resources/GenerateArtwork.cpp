// Writes the built-in pictures into the folder given on the command line, each in the format
// its name ends with. The bar's own picture is a BMP: it is decoded at every start, and an
// uncompressed picture (which the resource compiler then packs) reads several times faster.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <utility>
#include <vector>

#include "resources/Artwork.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    using quivlane::Artwork;
    const std::vector<std::pair<const char*, QImage>> pictures = {
        {"bar.bmp", Artwork::Bar()},
        {"alarm.png", Artwork::AlarmDialog()},
        {"url.png", Artwork::UrlDialog()},
        {"editor.png", Artwork::Editor()},
        {"lights.png", Artwork::Lights()},
        {"matrix0.png", Artwork::MatrixSheet(0)},
        {"matrix1.png", Artwork::MatrixSheet(1)},
        {"matrix2.png", Artwork::MatrixSheet(2)},
        {"icon.png", Artwork::Icon()},
    };
    for (const auto& [name, image] : pictures) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (image.isNull() || !image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    // The desktop's icon theme wants the icon at its usual sizes and as a drawing.
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = out.filePath(QStringLiteral("icon-%1.png").arg(size));
        if (!Artwork::Icon(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    QFile svg(out.filePath(QStringLiteral("icon.svg")));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(Artwork::IconSvg()) < 0 || !svg.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
