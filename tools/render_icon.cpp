// Renders the scalable icon in 24-bit colour, on white: render_icon <icon.svg> <out.png|out.ico> <pixels>...
// A PNG holds the first size given (up to 1024 pixels); an ICO holds every size (up to 256 pixels),
// each stored as PNG, as Windows Vista and later read them.
#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QByteArray renderPng(QSvgRenderer& renderer, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// An icon directory, one entry a size, then the images.
QByteArray icoFile(const QList<int>& sizes, const QList<QByteArray>& pngs)
{
    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = 6 + 16 * sizes.size();
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const auto side = quint8(sizes[i] >= 256 ? 0 : sizes[i]); // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(24) << quint32(pngs[i].size()) << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs)
        out.writeRawData(png.constData(), int(png.size()));
    return ico;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <out.png|out.ico> <pixels>...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);
    const bool ico = out.endsWith(QLatin1String(".ico"));
    QList<int> sizes;
    QList<QByteArray> pngs;
    for (int i = 3; i < argc; ++i) {
        sizes << QByteArray(argv[i]).toInt();
        if (sizes.last() <= 0 || sizes.last() > (ico ? 256 : 1024) || !renderer.isValid()) {
            std::fprintf(stderr, "render_icon: cannot render %s at %s pixels\n", argv[1], argv[i]);
            return 1;
        }
        pngs << renderPng(renderer, sizes.last());
    }
    QFile file(out);
    const QByteArray bytes = ico ? icoFile(sizes, pngs) : pngs.first();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? 0 : 1;
}
