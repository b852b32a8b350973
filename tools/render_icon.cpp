// Renders the scalable icon to a PNG of the given size: render_icon <icon.svg> <out.png> <pixels>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <out.png> <pixels>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int pixels = QByteArray(argv[3]).toInt();
    if (!renderer.isValid() || pixels <= 0) {
        std::fprintf(stderr, "render_icon: cannot render %s\n", argv[1]);
        return 1;
    }
    QImage image(pixels, pixels, QImage::Format_RGB888); // 24-bit colour, no alpha
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
