// Writes the application's icon, drawn by the application's own code, as the
// desktop's icon theme wants it:
//   tolvane_icones FOLDER
// gives FOLDER/hicolor/<n>x<n>/apps/tolvane.png for every usual size and
// FOLDER/hicolor/scalable/apps/tolvane.svg.
#include "shell/gui/ApplicationIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

constexpr int kTailles[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool EcrirePng(const QDir& theme, int cote)
{
    const QString dossier = theme.filePath(QStringLiteral("%1x%1/apps").arg(cote));
    if (!QDir().mkpath(dossier))
        return false;
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        DessinerIconeApplication(p, cote);
    }
    return image.save(QDir(dossier).filePath(QStringLiteral("tolvane.png")));
}

bool EcrireSvg(const QDir& theme)
{
    const QString dossier = theme.filePath(QStringLiteral("scalable/apps"));
    if (!QDir().mkpath(dossier))
        return false;
    QSvgGenerator svg;
    svg.setFileName(QDir(dossier).filePath(QStringLiteral("tolvane.svg")));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRectF(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Tolvane"));
    svg.setDescription(QStringLiteral("Contrefort en maçonnerie contre un mur"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    DessinerIconeApplication(p, 256);
    return p.end();
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no screen: the build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("Usage : tolvane_icones DOSSIER\n", stderr);
        return 2;
    }
    const QDir theme(QDir(arguments[1]).filePath(QStringLiteral("hicolor")));
    for (int cote : kTailles) {
        if (!EcrirePng(theme, cote)) {
            std::fprintf(stderr, "Impossible d'écrire l'icône %dx%d dans %s\n", cote, cote,
                         qPrintable(QDir::toNativeSeparators(theme.path())));
            return 1;
        }
    }
    if (!EcrireSvg(theme)) {
        std::fprintf(stderr, "Impossible d'écrire l'icône SVG dans %s\n", qPrintable(QDir::toNativeSeparators(theme.path())));
        return 1;
    }
    return 0;
}
