#include "report/NotePdf.h"

#include "report/NoteTables.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kResolution = 300;
// The note's pixels are those of a screen at 96 dpi.
constexpr double kPixelCss = kResolution / 96.0;

QFont PoliceNote(bool gras)
{
    QFont police;
    police.setFamilies({QStringLiteral("Calibri"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("DejaVu Sans")});
    police.setPointSizeF(9);
    police.setBold(gras);
    return police;
}

// Tables laid out row by row: a row never straddles two pages, and a table
// that goes on to another page repeats its heading rows there.
class MiseEnPage {
public:
    MiseEnPage(QPainter& painter, QPdfWriter& pdf)
        : painter_(painter), pdf_(pdf), policeNormale_(PoliceNote(false)), policeGrasse_(PoliceNote(true)),
          normale_(policeNormale_, &pdf), grasse_(policeGrasse_, &pdf)
    {
        const QRectF zone(0, 0, pdf.width(), pdf.height());
        largeurPage_ = zone.width();
        // The page number takes the last line of the page.
        hauteurUtile_ = zone.height() - 2 * normale_.height();
    }

    void Tableau(const TableauNote& t)
    {
        tableau_ = &t;
        largeur_ = largeurPage_ * t.largeurPourcent / 100;
        x0_ = (largeurPage_ - largeur_) / 2;
        marge_ = t.marge * kPixelCss;
        if (y_ > 0)
            y_ += normale_.height() * 0.6;
        const QList<qsizetype> entetes = IndicesEntete(t);
        const double hauteurEntetes = HauteurLignes(entetes);
        for (qsizetype i = 0; i < t.lignes.size(); ++i) {
            const double h = HauteurLigne(t.lignes[i]);
            // The title of a table is not left alone at the foot of a page.
            const double avecSuivante = i == 0 && t.lignes.size() > 1 ? h + HauteurLigne(t.lignes[1]) : h;
            if (y_ > 0 && y_ + avecSuivante > hauteurUtile_) {
                NouvellePage();
                if (!t.lignes[i].entete && hauteurEntetes + h <= hauteurUtile_)
                    for (const qsizetype e : entetes)
                        PeindreLigne(t.lignes[e], HauteurLigne(t.lignes[e]));
            }
            PeindreLigne(t.lignes[i], h);
        }
        if (t.bordure > 0 && !t.lignes.isEmpty())
            CadreTableau();
    }

    void Terminer() { NumeroterPage(); }

private:
    static QList<qsizetype> IndicesEntete(const TableauNote& t)
    {
        QList<qsizetype> indices;
        for (qsizetype i = 0; i < t.lignes.size() && t.lignes[i].entete; ++i)
            indices.append(i);
        return indices;
    }

    double HauteurLignes(const QList<qsizetype>& indices) const
    {
        double h = 0;
        for (const qsizetype i : indices)
            h += HauteurLigne(tableau_->lignes[i]);
        return h;
    }

    // The left edge and width of the cell that starts at declared column colonne.
    std::pair<double, double> Etendue(int colonne, int colspan) const
    {
        double x = x0_;
        double l = 0;
        const QList<double>& colonnes = tableau_->colonnes;
        for (int c = 0; c < colonnes.size() && c < colonne + colspan; ++c) {
            if (c < colonne)
                x += colonnes[c] * largeur_;
            else
                l += colonnes[c] * largeur_;
        }
        return {x, l};
    }

    double HauteurLigne(const LigneNote& ligne) const
    {
        double h = normale_.height();
        int colonne = 0;
        for (const CelluleNote& c : ligne.cellules) {
            const auto [x, l] = Etendue(colonne, c.colspan);
            colonne += c.colspan;
            const QFontMetricsF& mesure = c.gras ? grasse_ : normale_;
            const double utile = l - 2 * marge_;
            // Most cells hold a short number: one measure says it fits.
            if (!c.texte.contains(u'\n') && mesure.horizontalAdvance(c.texte) <= utile)
                continue;
            h = qMax(h, mesure.boundingRect(QRectF(0, 0, qMax(utile, 1.0), 1e9), Qt::TextWordWrap, c.texte).height());
        }
        return h + 2 * marge_;
    }

    void PeindreLigne(const LigneNote& ligne, double h)
    {
        if (debutTableau_ < 0)
            debutTableau_ = y_;
        int colonne = 0;
        painter_.setPen(QPen(Qt::black, kPixelCss * 0.75));
        for (const CelluleNote& c : ligne.cellules) {
            const auto [x, l] = Etendue(colonne, c.colspan);
            colonne += c.colspan;
            const QRectF cadre(x, y_, l, h);
            if (c.fond.isValid())
                painter_.fillRect(cadre, c.fond);
            if (tableau_->bordure > 0)
                painter_.drawRect(cadre);
            if (c.texte.isEmpty())
                continue;
            painter_.setFont(c.gras ? policeGrasse_ : policeNormale_);
            painter_.drawText(cadre.adjusted(marge_, marge_, -marge_, -marge_),
                              int(c.alignement | Qt::AlignVCenter | Qt::TextWordWrap), c.texte);
        }
        y_ += h;
    }

    void CadreTableau()
    {
        painter_.setPen(QPen(Qt::black, tableau_->bordure * kPixelCss * 0.75));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(x0_, debutTableau_, largeur_, y_ - debutTableau_));
        debutTableau_ = -1;
    }

    void NouvellePage()
    {
        if (tableau_ && tableau_->bordure > 0 && debutTableau_ >= 0)
            CadreTableau();
        NumeroterPage();
        pdf_.newPage();
        ++page_;
        y_ = 0;
    }

    void NumeroterPage()
    {
        painter_.setFont(policeNormale_);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, hauteurUtile_ + normale_.height(), largeurPage_, normale_.height()),
                          int(Qt::AlignRight | Qt::AlignVCenter), QStringLiteral("page %1").arg(page_));
    }

    QPainter& painter_;
    QPdfWriter& pdf_;
    QFont policeNormale_;
    QFont policeGrasse_;
    QFontMetricsF normale_;
    QFontMetricsF grasse_;
    double largeurPage_ = 0;
    double hauteurUtile_ = 0;
    const TableauNote* tableau_ = nullptr;
    double largeur_ = 0;
    double x0_ = 0;
    double marge_ = 0;
    double y_ = 0;
    double debutTableau_ = -1;
    int page_ = 1;
};

} // namespace

QByteArray NotePdf(const QString& pageHtml, const QString& titre)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Tolvane"));
        pdf.setResolution(kResolution);
        // The sixteen columns of the torsor tables need the width of a
        // landscape page to stay readable.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        QPainter painter(&pdf);
        MiseEnPage mise(painter, pdf);
        for (const TableauNote& t : LireTableauxNote(pageHtml))
            mise.Tableau(t);
        mise.Terminer();
    }
    return octets;
}
