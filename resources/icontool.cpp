// Derives the icon files that installers and Windows want from the XPM sources: the PNGs of the
// desktop's icon theme, and an ICO of 4 bits a pixel with a transparency mask for the program
// file. All keep the 16-colour palette, and the build fails if a source strays from it.
//
// The theme's sizes are made from the same pixels: 16 and 32 are the two drawings, 48 the
// 16-pixel one taken three times, 64, 128 and 256 the 32-pixel one taken two, four and eight
// times. From 48 up a one-pixel white outline lets the black silhouette show on dark panels.
// The ICO holds the 32-pixel drawing alone, as it is.
//
// Usage: ventrimo_icontool SOURCE32.xpm SOURCE16.xpm OUTPUT_FOLDER
// writes OUTPUT_FOLDER/ventrimo.ico and OUTPUT_FOLDER/hicolor/<N>x<N>/apps/ventrimo.png
#include "palette16.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kTransparent = -1;
constexpr int kWhite = 15; // the outline's palette index

// A square picture as palette indices, row by row; kTransparent where nothing is drawn.
struct Drawing {
    int side = 0;
    std::vector<int> indices;
    int at(int x, int y) const { return indices[std::size_t(y * side + x)]; }
};

int fail(const QString& message) {
    std::fprintf(stderr, "ventrimo_icontool: %s\n", qPrintable(message));
    return 1;
}

std::optional<Drawing> readDrawing(const QString& path, int side, QString& error) {
    const QImage source = QImage(path).convertToFormat(QImage::Format_ARGB32);
    if (source.isNull() || source.size() != QSize(side, side)) {
        error = QString("%1 is not a %2 x %2 picture").arg(path).arg(side);
        return std::nullopt;
    }
    Drawing drawing{side, std::vector<int>(std::size_t(side * side), kTransparent)};
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            const int index = palette16::indexOf(pixel);
            if (index < 0) {
                error =
                    QString("pixel %1,%2 of %3 is not a palette colour").arg(x).arg(y).arg(path);
                return std::nullopt;
            }
            drawing.indices[std::size_t(y * side + x)] = index;
        }
    return drawing;
}

// Every pixel taken factor times in each direction; with an outline, the transparent pixels
// that touch a drawn one, sideways or corner to corner, turn white.
Drawing enlarged(const Drawing& small, int factor, bool outline) {
    Drawing large{small.side * factor, {}};
    large.indices.resize(std::size_t(large.side * large.side));
    for (int y = 0; y < large.side; ++y)
        for (int x = 0; x < large.side; ++x)
            large.indices[std::size_t(y * large.side + x)] = small.at(x / factor, y / factor);
    if (!outline)
        return large;
    Drawing outlined = large;
    for (int y = 0; y < large.side; ++y)
        for (int x = 0; x < large.side; ++x) {
            if (large.at(x, y) != kTransparent)
                continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < large.side && ny < large.side &&
                        large.at(nx, ny) != kTransparent && large.at(nx, ny) != kWhite)
                        outlined.indices[std::size_t(y * large.side + x)] = kWhite;
                }
        }
    return outlined;
}

QImage indexedPng(const Drawing& drawing) {
    QImage image(drawing.side, drawing.side, QImage::Format_Indexed8);
    QList<QRgb> table(palette16::kColours.begin(), palette16::kColours.end());
    table.append(qRgba(0, 0, 0, 0));
    image.setColorTable(table);
    for (int y = 0; y < drawing.side; ++y)
        for (int x = 0; x < drawing.side; ++x) {
            const int index = drawing.at(x, y);
            image.setPixel(x, y, index == kTransparent ? 16 : uint(index));
        }
    return image;
}

// One image in an icon directory: a bitmap header, the palette, the colour pixels bottom-up at
// two pixels a byte, then the mask at one bit a pixel, where 1 lets the background through.
QByteArray icoFile(const Drawing& drawing) {
    const int side = drawing.side; // 32: each row of the mask is already 4-byte aligned
    const auto colourBytes = quint32(side * side / 2);
    const auto maskBytes = quint32(side * side / 8);
    const quint32 imageBytes = 40 + 16 * 4 + colourBytes + maskBytes;

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1);                  // directory of one icon
    out << quint8(side) << quint8(side) << quint8(16) << quint8(0); // size, colour count
    out << quint16(1) << quint16(4) << imageBytes << quint32(6 + 16);
    out << quint32(40) << qint32(side) << qint32(2 * side) << quint16(1) << quint16(4) << quint32(0)
        << quint32(colourBytes + maskBytes) << qint32(0) << qint32(0) << quint32(16) << quint32(0);
    for (QRgb colour : palette16::kColours)
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    auto index = [&drawing](int x, int y) {
        const int at = drawing.at(x, y);
        return quint8(at == kTransparent ? 0 : at);
    };
    for (int y = side - 1; y >= 0; --y)
        for (int x = 0; x < side; x += 2)
            out << quint8(index(x, y) << 4 | index(x + 1, y));
    for (int y = side - 1; y >= 0; --y)
        for (int x = 0; x < side; x += 8) {
            quint8 bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (drawing.at(x + bit, y) == kTransparent)
                    bits |= quint8(0x80 >> bit);
            out << bits;
        }
    return bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail("usage: ventrimo_icontool SOURCE32.xpm SOURCE16.xpm OUTPUT_FOLDER");

    QString error;
    const std::optional<Drawing> large = readDrawing(args[1], 32, error);
    const std::optional<Drawing> small = large ? readDrawing(args[2], 16, error) : std::nullopt;
    if (!large || !small)
        return fail(error);

    const QDir folder(args[3]);
    const struct {
        int side;
        Drawing drawing;
    } sizes[] = {{16, *small},
                 {32, *large},
                 {48, enlarged(*small, 3, true)},
                 {64, enlarged(*large, 2, true)},
                 {128, enlarged(*large, 4, true)},
                 {256, enlarged(*large, 8, true)}};
    for (const auto& size : sizes) {
        const QString theme = QString("hicolor/%1x%1/apps").arg(size.side);
        const QString png = folder.filePath(theme + "/ventrimo.png");
        if (!folder.mkpath(theme) || !indexedPng(size.drawing).save(png, "PNG"))
            return fail("cannot write " + png);
    }
    QFile ico(folder.filePath("ventrimo.ico"));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoFile(*large)) < 0)
        return fail("cannot write " + ico.fileName());
    return 0;
}
