// vnscaleicon SOURCE.png SIZE OUTPUT.png: a build-time helper that scales a
// program icon to SIZE x SIZE pixels for the desktop's icon theme, which asks
// for sizes the committed drawings do not have.
#include <QImage>
#include <QString>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const QImage source(QString::fromLocal8Bit(argv[1]));
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    if (source.isNull() || size <= 0)
        return 1;
    const QImage scaled = source.convertToFormat(QImage::Format_ARGB32)
                              .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return scaled.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
