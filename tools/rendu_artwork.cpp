// Renders artwork sources into pictures.
//   kinobral-rendu SOURCE_DIR DEST_DIR FILE.ext.svg...
// Each SOURCE_DIR/a/b/name.ext.svg becomes DEST_DIR/a/b/name.ext, at the size the SVG declares;
// the format follows the extension (bmp, png, jpg).
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: kinobral-rendu SOURCE_DIR DEST_DIR FILE.ext.svg...\n");
        return 2;
    }
    const QDir source(args.at(1));
    const QDir dest(args.at(2));
    int echecs = 0;
    for (int i = 3; i < args.size(); ++i) {
        const QString relatif = source.relativeFilePath(QFileInfo(args.at(i)).absoluteFilePath());
        const QString cible = dest.filePath(relatif.left(relatif.size() - 4));
        QSvgRenderer rendu(args.at(i));
        if (!rendu.isValid()) {
            std::fprintf(stderr, "kinobral-rendu: %s is not valid SVG\n", qPrintable(args.at(i)));
            ++echecs;
            continue;
        }
        const QString extension = QFileInfo(cible).suffix().toLower();
        // JPEG and BMP have no alpha: paint over white so edges stay clean.
        const bool opaque = extension == QLatin1String("jpg") || extension == QLatin1String("bmp");
        QImage image(rendu.defaultSize(),
                     opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        image.fill(opaque ? Qt::white : Qt::transparent);
        {
            QPainter peintre(&image);
            peintre.setRenderHint(QPainter::Antialiasing);
            peintre.setRenderHint(QPainter::TextAntialiasing);
            rendu.render(&peintre);
        }
        QDir().mkpath(QFileInfo(cible).absolutePath());
        const QImage sortie = opaque ? image.convertToFormat(QImage::Format_RGB888) : image;
        if (!sortie.save(cible, nullptr, extension == QLatin1String("jpg") ? 92 : -1)) {
            std::fprintf(stderr, "kinobral-rendu: cannot write %s\n", qPrintable(cible));
            ++echecs;
        }
    }
    return echecs == 0 ? 0 : 1;
}
