// pendra-ico SVG ICO: renders the SVG at the sizes Windows asks for and
// writes them into one .ico file, each picture as a PNG entry.

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <vector>

namespace {

void putWord(QByteArray& out, quint16 value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void putLong(QByteArray& out, quint32 value)
{
    putWord(out, static_cast<quint16>(value & 0xFFFF));
    putWord(out, static_cast<quint16>(value >> 16));
}

QByteArray renderPng(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace

int main(int argc, char** argv)
{
    // Rendering needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pendra-ico SVG ICO\n");
        return 2;
    }
    QSvgRenderer renderer{QString::fromLocal8Bit(argv[1])};
    if (!renderer.isValid()) {
        std::fprintf(stderr, "pendra-ico: cannot read %s\n", argv[1]);
        return 1;
    }

    const std::vector<int> sizes{16, 20, 24, 32, 40, 48, 64, 256};
    std::vector<QByteArray> pictures;
    for (int size : sizes)
        pictures.push_back(renderPng(renderer, size));

    // ICONDIR, then one ICONDIRENTRY per picture, then the pictures.
    QByteArray icon;
    putWord(icon, 0);
    putWord(icon, 1);
    putWord(icon, static_cast<quint16>(sizes.size()));
    quint32 offset = static_cast<quint32>(6 + 16 * sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        // 256 is written as 0: the field holds one byte.
        icon.append(static_cast<char>(sizes[i] & 0xFF));
        icon.append(static_cast<char>(sizes[i] & 0xFF));
        icon.append('\0'); // no palette
        icon.append('\0');
        putWord(icon, 1);  // colour planes
        putWord(icon, 32); // bits per pixel
        putLong(icon, static_cast<quint32>(pictures[i].size()));
        putLong(icon, offset);
        offset += static_cast<quint32>(pictures[i].size());
    }
    for (const QByteArray& picture : pictures)
        icon.append(picture);

    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(icon) != icon.size()) {
        std::fprintf(stderr, "pendra-ico: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
