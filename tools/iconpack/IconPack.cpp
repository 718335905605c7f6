// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the toolbar's pictures as a C++ source of premultiplied ARGB32 pixels: one strip of
// square icons side by side per density (16 px, and 32 px for screens of double density), so
// that the program shows them without loading the image plugins and decoding a file at start-up.
// Usage: mz58_iconpack OUT.cpp STRIP_16PX.png STRIP_32PX.png [PICTURE.png ...]
// Each further picture is scaled to the strip's height and appended to both strips.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

bool load(const char* path, QImage& image) {
    if (image.load(QString::fromLocal8Bit(path)))
        return true;
    std::fprintf(stderr, "mz58_iconpack: cannot read the picture %s\n", path);
    return false;
}

// The strip with every picture appended, each scaled to the strip's height.
QImage joined(const QImage& strip, const std::vector<QImage>& pictures) {
    const int size = strip.height();
    QImage result(strip.width() + size * static_cast<int>(pictures.size()), size,
                  QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, strip);
    int x = strip.width();
    for (const QImage& picture : pictures) {
        painter.drawImage(QRect(x, 0, size, size), picture);
        x += size;
    }
    return result;
}

void writeArray(QTextStream& out, const char* name, const QImage& image) {
    out << "const std::uint32_t " << name << "[] = {";
    int column = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out << (column++ % 8 == 0 ? "\n    " : " ") << "0x"
                << QString::number(line[x], 16).rightJustified(8, u'0') << ',';
        }
    }
    out << "\n};\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: mz58_iconpack OUT.cpp STRIP_16PX.png STRIP_32PX.png "
                             "[PICTURE.png ...]\n");
        return 2;
    }
    QImage strips[2];
    if (!load(argv[2], strips[0]) || !load(argv[3], strips[1]))
        return 1;
    std::vector<QImage> pictures;
    for (int i = 4; i < argc; ++i) {
        QImage picture;
        if (!load(argv[i], picture))
            return 1;
        pictures.push_back(picture);
    }
    if (strips[1].height() != 2 * strips[0].height() ||
        strips[1].width() != 2 * strips[0].width()) {
        std::fprintf(stderr, "mz58_iconpack: the 32 px strip is not twice the 16 px strip\n");
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "mz58_iconpack: cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Written by mz58_iconpack from the toolbar's pictures at build time.\n"
           "#include \"ToolbarPixels.h\"\n\nnamespace mz58 {\nnamespace {\n\n";
    const char* names[2] = {"kStrip16", "kStrip32"};
    QImage images[2];
    for (int k = 0; k < 2; ++k) {
        images[k] = joined(strips[k], pictures);
        writeArray(out, names[k], images[k]);
        out << '\n';
    }
    out << "} // namespace\n\nconst PixelStrip kToolbarPixels[2] = {\n";
    for (int k = 0; k < 2; ++k)
        out << "    {" << images[k].width() << ", " << images[k].height() << ", " << names[k]
            << "},\n";
    out << "};\n\n} // namespace mz58\n";
    out.flush();
    return file.error() == QFileDevice::NoError ? 0 : 1;
}
