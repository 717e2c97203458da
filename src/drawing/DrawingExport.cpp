#include "drawing/DrawingExport.h"

#include "drawing/DrawingRenderer.h"
#include "util/AtomicFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

void Peindre(QPainter& painter, QSize taille, const DessinContrefort& dessin)
{
    const EtendueDessin etendue = EtendueCommandes(LireCommandesDessin(dessin.texte), dessin.etendue);
    PeindreDessinAjuste(painter, dessin.texte, etendue, taille, kCouleurFondDessin);
}

// Control characters would make the title a different line, or an invalid
// XML character, in the picture's metadata.
QString TitreSansControle(QString titre)
{
    for (QChar& c : titre)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return titre;
}

// Qt writes the SVG title as it is given: a calculation named "a & b" or
// "<script>" would make a malformed picture, or markup. Qt gets a plain token,
// replaced here by the escaped title.
const QByteArray kJetonTitreSvg = "JETON-TITRE-TOLVANE";

QByteArray AvecTitreSvg(QByteArray svg, const QString& titre)
{
    return svg.replace("<title>" + kJetonTitreSvg + "</title>",
                       "<title>" + TitreSansControle(titre).toHtmlEscaped().toUtf8() + "</title>");
}

} // namespace

QString FormatExportDessin(const QString& cheminFichier)
{
    const QString suffixe = QFileInfo(cheminFichier).suffix().toLower();
    if (suffixe == QStringLiteral("png") || suffixe == QStringLiteral("svg") || suffixe == QStringLiteral("pdf"))
        return suffixe;
    return {};
}

QByteArray RendreDessin(const QString& format, QSize taille, const DessinContrefort& dessin, const QString& titre)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (format == QStringLiteral("png")) {
        QImage image(taille, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Peindre(painter, taille, dessin);
        painter.end();
        if (!image.save(&tampon, "PNG"))
            return {};
    } else if (format == QStringLiteral("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&tampon);
        svg.setSize(taille);
        svg.setViewBox(QRect(QPoint(0, 0), taille));
        svg.setResolution(96);
        svg.setTitle(QString::fromLatin1(kJetonTitreSvg));
        QPainter painter;
        if (!painter.begin(&svg))
            return {};
        Peindre(painter, taille, dessin);
        painter.end();
        tampon.close();
        return AvecTitreSvg(octets, titre);
    } else if (format == QStringLiteral("pdf")) {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Tolvane"));
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(taille.width() * 72.0 / 96, taille.height() * 72.0 / 96), QPageSize::Point,
                                  QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf))
            return {};
        Peindre(painter, QSize(pdf.width(), pdf.height()), dessin);
        painter.end();
    } else {
        return {};
    }
    return octets;
}

std::optional<QString> EcrireDessin(const QString& chemin, QSize taille, const DessinContrefort& dessin,
                                    const QString& titre)
{
    const QString format = FormatExportDessin(chemin);
    if (format.isEmpty())
        return QStringLiteral("Format de fichier non reconnu : %1 (.png, .pdf ou .svg)").arg(chemin);
    const QByteArray octets = RendreDessin(format, taille, dessin, titre);
    if (octets.isEmpty())
        return QStringLiteral("Le dessin n'a pas pu être rendu en %1").arg(format.toUpper());
    if (const std::optional<QString> erreur = writeFileAtomically(chemin, octets))
        return QStringLiteral("Impossible d'enregistrer le fichier \"%1\" : %2").arg(chemin, *erreur);
    return std::nullopt;
}
