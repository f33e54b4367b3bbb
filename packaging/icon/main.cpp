// morlan-icon IN OUT SIZE: the application icon at another size, for the
// icon theme (the menu wants a 48-pixel picture beside the scalable one).
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: morlan-icon IN.png OUT.png SIZE\n");
        return 2;
    }
    const int size = std::atoi(argv[3]);
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || size <= 0) {
        std::fprintf(stderr, "morlan-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage scaled = icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return scaled.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
