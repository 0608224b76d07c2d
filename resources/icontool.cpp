// Derives the icon files that installers and Windows want from the XPM source: a PNG for the
// desktop's icon theme, and an ICO of 4 bits a pixel with a transparency mask for the program
// file. Both keep the 16-colour palette, and the build fails if the source strays from it.
//
// Usage: ventrimo_icontool SOURCE.xpm OUTPUT.png OUTPUT.ico
#include "palette16.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <vector>

namespace {

constexpr int kSide = 32;
constexpr int kTransparent = -1;

int fail(const QString& message) {
    std::fprintf(stderr, "ventrimo_icontool: %s\n", qPrintable(message));
    return 1;
}

QImage indexedPng(const std::vector<int>& indices) {
    QImage image(kSide, kSide, QImage::Format_Indexed8);
    QList<QRgb> table(palette16::kColours.begin(), palette16::kColours.end());
    table.append(qRgba(0, 0, 0, 0));
    image.setColorTable(table);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const int index = indices[std::size_t(y * kSide + x)];
            image.setPixel(x, y, index == kTransparent ? 16 : uint(index));
        }
    return image;
}

// One image in an icon directory: a bitmap header, the palette, the colour pixels bottom-up at
// two pixels a byte, then the mask at one bit a pixel, where 1 lets the background through.
QByteArray icoFile(const std::vector<int>& indices) {
    constexpr quint32 kColourBytes = kSide * kSide / 2;
    constexpr quint32 kMaskBytes = kSide * kSide / 8; // a 32-pixel row is already 4-byte aligned
    constexpr quint32 kImageBytes = 40 + 16 * 4 + kColourBytes + kMaskBytes;

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1);                    // directory of one icon
    out << quint8(kSide) << quint8(kSide) << quint8(16) << quint8(0); // size, colour count
    out << quint16(1) << quint16(4) << kImageBytes << quint32(6 + 16);
    out << quint32(40) << qint32(kSide) << qint32(2 * kSide) << quint16(1) << quint16(4)
        << quint32(0) << quint32(kColourBytes + kMaskBytes) << qint32(0) << qint32(0) << quint32(16)
        << quint32(0);
    for (QRgb colour : palette16::kColours)
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    for (int y = kSide - 1; y >= 0; --y)
        for (int x = 0; x < kSide; x += 2) {
            auto at = [&](int column) {
                const int index = indices[std::size_t(y * kSide + column)];
                return quint8(index == kTransparent ? 0 : index);
            };
            out << quint8(at(x) << 4 | at(x + 1));
        }
    for (int y = kSide - 1; y >= 0; --y)
        for (int x = 0; x < kSide; x += 8) {
            quint8 bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (indices[std::size_t(y * kSide + x + bit)] == kTransparent)
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
        return fail("usage: ventrimo_icontool SOURCE.xpm OUTPUT.png OUTPUT.ico");

    const QImage source = QImage(args[1]).convertToFormat(QImage::Format_ARGB32);
    if (source.isNull())
        return fail("cannot read " + args[1]);
    if (source.size() != QSize(kSide, kSide))
        return fail(args[1] + " is not 32 x 32 pixels");

    std::vector<int> indices(kSide * kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const QRgb pixel = source.pixel(x, y);
            int index = kTransparent;
            if (qAlpha(pixel) != 0) {
                index = palette16::indexOf(pixel);
                if (index < 0)
                    return fail(QString("pixel %1,%2 of %3 is not a palette colour")
                                    .arg(x)
                                    .arg(y)
                                    .arg(args[1]));
            }
            indices[std::size_t(y * kSide + x)] = index;
        }

    if (!indexedPng(indices).save(args[2], "PNG"))
        return fail("cannot write " + args[2]);
    QFile ico(args[3]);
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoFile(indices)) < 0)
        return fail("cannot write " + args[3]);
    return 0;
}
