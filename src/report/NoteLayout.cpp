#include "report/NoteLayout.h"

#include <QPagedPaintDevice>
#include <QPainter>

QFont PoliceNote(bool gras)
{
    QFont police;
    police.setFamilies({QStringLiteral("Calibri"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("DejaVu Sans")});
    police.setPointSizeF(9);
    police.setBold(gras);
    return police;
}

QRectF LignePied(const QPagedPaintDevice& page)
{
    const double h = QFontMetricsF(PoliceNote(false), &page).height();
    return QRectF(0, page.height() - h, page.width(), h);
}

MiseEnPageNote::MiseEnPageNote(QPainter& painter, QPagedPaintDevice& page, int premierePage, PiedDePage pied)
    : painter_(painter), page_(page), pied_(std::move(pied)), policeNormale_(PoliceNote(false)),
      policeGrasse_(PoliceNote(true)), normale_(policeNormale_, &page), grasse_(policeGrasse_, &page),
      numero_(premierePage)
{
    pixelCss_ = page.logicalDpiY() / 96.0;
    largeurPage_ = page.width();
    hauteurUtile_ = LignePied(page).top() - normale_.height();
}

void MiseEnPageNote::Tableau(const TableauNote& t)
{
    tableau_ = &t;
    largeur_ = largeurPage_ * t.largeurPourcent / 100;
    x0_ = (largeurPage_ - largeur_) / 2;
    marge_ = t.marge * pixelCss_;
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
    // The table belongs to the caller and may be gone by the next page break.
    tableau_ = nullptr;
}

int MiseEnPageNote::Terminer()
{
    pied_(painter_, numero_);
    return numero_;
}

QList<qsizetype> MiseEnPageNote::IndicesEntete(const TableauNote& t)
{
    QList<qsizetype> indices;
    for (qsizetype i = 0; i < t.lignes.size() && t.lignes[i].entete; ++i)
        indices.append(i);
    return indices;
}

double MiseEnPageNote::HauteurLignes(const QList<qsizetype>& indices) const
{
    double h = 0;
    for (const qsizetype i : indices)
        h += HauteurLigne(tableau_->lignes[i]);
    return h;
}

std::pair<double, double> MiseEnPageNote::Etendue(int colonne, int colspan) const
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

double MiseEnPageNote::HauteurLigne(const LigneNote& ligne) const
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

void MiseEnPageNote::PeindreLigne(const LigneNote& ligne, double h)
{
    if (debutTableau_ < 0)
        debutTableau_ = y_;
    int colonne = 0;
    painter_.setPen(QPen(Qt::black, pixelCss_ * 0.75));
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

void MiseEnPageNote::CadreTableau()
{
    painter_.setPen(QPen(Qt::black, tableau_->bordure * pixelCss_ * 0.75));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(x0_, debutTableau_, largeur_, y_ - debutTableau_));
    debutTableau_ = -1;
}

void MiseEnPageNote::NouvellePage()
{
    if (tableau_ && tableau_->bordure > 0 && debutTableau_ >= 0)
        CadreTableau();
    pied_(painter_, numero_);
    page_.newPage();
    ++numero_;
    y_ = 0;
}

