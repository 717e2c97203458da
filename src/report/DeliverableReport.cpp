#include "report/DeliverableReport.h"

#include "drawing/DrawingCommands.h"
#include "drawing/DrawingRenderer.h"
#include "report/NoteLayout.h"
#include "report/ReportSummary.h"
#include "util/AtomicFile.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kResolutionPdf = 300;
const QColor kFondEntete(0xD9, 0xD9, 0xD9);

QString DateFrancaise(QDate date)
{
    return QLocale(QLocale::French, QLocale::France).toString(date, QStringLiteral("d MMMM yyyy"));
}

CelluleNote Cellule(const QString& texte, Qt::Alignment alignement = Qt::AlignLeft, bool gras = false,
                    const QColor& fond = {})
{
    CelluleNote c;
    c.texte = texte;
    c.alignement = alignement;
    c.gras = gras;
    c.fond = fond;
    return c;
}

TableauNote Cartouche(const EntreeRapport& e)
{
    TableauNote t;
    t.bordure = 2;
    t.marge = 4;
    t.colonnes = {0.22, 0.78};
    const auto ligne = [&t](const QString& titre, const QString& valeur) {
        LigneNote l;
        l.cellules = {Cellule(titre, Qt::AlignLeft, true, kFondEntete), Cellule(valeur)};
        t.lignes.append(l);
    };
    ligne(QStringLiteral("Document"), e.document);
    ligne(QStringLiteral("Calcul"), e.calcul);
    // These three exist only in files made by other tools; an empty one says nothing.
    if (!e.repere.isEmpty())
        ligne(QStringLiteral("Repère"), e.repere);
    if (!e.indice.isEmpty())
        ligne(QStringLiteral("Indice"), e.indice);
    if (!e.dateIndice.isEmpty())
        ligne(QStringLiteral("Date de l'indice"), e.dateIndice);
    for (const auto& [nom, valeur] : e.proprietes)
        ligne(nom, valeur);
    if (!e.commentaires.trimmed().isEmpty())
        ligne(QStringLiteral("Commentaires"), e.commentaires.trimmed());
    ligne(QStringLiteral("Édité le"), DateFrancaise(e.dateEdition));
    return t;
}

TableauNote TableauSynthese(const QList<LigneSynthese>& lignes)
{
    TableauNote t;
    t.bordure = 2;
    t.marge = 4;
    t.colonnes = {0.17, 0.08, 0.2, 0.2, 0.2, 0.15};
    LigneNote entete;
    entete.entete = true;
    for (const QString& titre : {QStringLiteral("Vérification"), QStringLiteral("Section"),
                                 QStringLiteral("Combinaison"), QStringLiteral("Valeur"), QStringLiteral("Limite"),
                                 QStringLiteral("Niveau")})
        entete.cellules.append(Cellule(titre, Qt::AlignHCenter, true, kFondEntete));
    t.lignes.append(entete);
    for (const LigneSynthese& s : lignes) {
        LigneNote l;
        l.cellules = {Cellule(s.verification, Qt::AlignLeft, true),
                      Cellule(QString::number(s.section), Qt::AlignHCenter),
                      Cellule(s.combinaison, Qt::AlignHCenter),
                      Cellule(s.valeur, Qt::AlignRight),
                      Cellule(s.limite, Qt::AlignRight),
                      Cellule(LibelleNiveau(s.niveau), Qt::AlignHCenter, true, QColor(CouleurNiveau(s.niveau)))};
        t.lignes.append(l);
    }
    return t;
}

// One pass of painting over the whole report. total is the N of "page n / N",
// 0 while the report is being counted.
class Rapport {
public:
    Rapport(QPainter& painter, QPagedPaintDevice& page, const EntreeRapport& entree, int total)
        : painter_(painter), page_(page), e_(entree), total_(total)
    {
    }

    int Peindre()
    {
        MiseEnPageNote mise(painter_, page_, 1, [this](QPainter& p, int numero) { Pied(p, numero); });
        PageSynthese(mise);
        mise.SautDePage();
        PageDessin(mise);
        const QList<TableauNote> note = LireTableauxNote(e_.pageNote, e_.pageNoteOrigine);
        if (!note.isEmpty()) {
            mise.SautDePage();
            Titre(mise, QStringLiteral("Note de calcul"), 12);
            for (const TableauNote& t : note)
                mise.Tableau(t);
        }
        return mise.Terminer();
    }

private:
    QFont Police(double points, bool gras) const
    {
        QFont police = PoliceNote(gras);
        police.setPointSizeF(points);
        return police;
    }

    double Hauteur(const QFont& police) const { return QFontMetricsF(police, &page_).height(); }

    // A line of text across the page at the current position, then a gap.
    void Titre(MiseEnPageNote& mise, const QString& texte, double points)
    {
        const QFont police = Police(points, true);
        const double h = Hauteur(police);
        painter_.setFont(police);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, mise.Position(), mise.Largeur(), h), int(Qt::AlignLeft | Qt::AlignVCenter), texte);
        mise.Sauter(h * 1.4);
    }

    void PageSynthese(MiseEnPageNote& mise)
    {
        Titre(mise, QStringLiteral("Note de calcul d'un contrefort en maçonnerie"), 16);
        mise.Tableau(Cartouche(e_));
        mise.Sauter(Hauteur(Police(9, false)));
        Titre(mise, QStringLiteral("Synthèse des vérifications"), 12);
        Verdict(mise);
        const QList<LigneSynthese> lignes = SyntheseVerifications(e_.donnees);
        const QFont police = Police(9, false);
        if (lignes.isEmpty())
            Ligne(mise, QStringLiteral("Aucune section : aucune vérification n'a été faite."), police);
        else
            mise.Tableau(TableauSynthese(lignes));
        mise.Sauter(Hauteur(police) * 0.6);
        Ligne(mise,
              QStringLiteral("Réserve de charge (facteur sur les charges variables) : %1")
                  .arg(e_.reserve.isEmpty() ? QStringLiteral("non calculée") : e_.reserve),
              Police(10, true));
        Ligne(mise,
              QStringLiteral("Sections numérotées de 1 (la plus basse) à %1 ; valeurs pondérées aux états limites "
                             "ultimes, efforts en kN et m.")
                  .arg(e_.donnees.Sections.size()),
              police);
    }

    void Ligne(MiseEnPageNote& mise, const QString& texte, const QFont& police)
    {
        const double h = Hauteur(police);
        if (mise.Position() + h > mise.HauteurUtile())
            mise.SautDePage();
        painter_.setFont(police);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, mise.Position(), mise.Largeur(), h), int(Qt::AlignLeft | Qt::AlignVCenter), texte);
        mise.Sauter(h * 1.2);
    }

    // The verdict across the page, on its level's colour.
    void Verdict(MiseEnPageNote& mise)
    {
        const QFont police = Police(14, true);
        const double h = Hauteur(police) * 1.8;
        if (mise.Position() + h > mise.HauteurUtile())
            mise.SautDePage();
        const QRectF bande(0, mise.Position(), mise.Largeur(), h);
        const int niveau = e_.donnees.StatutGlobal;
        painter_.fillRect(bande, QColor(CouleurNiveau(niveau)));
        painter_.setPen(QPen(Qt::black, page_.logicalDpiY() / 96.0 * 1.5));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(bande);
        painter_.setFont(police);
        painter_.drawText(bande, int(Qt::AlignCenter), QStringLiteral("Résultat : %1").arg(LibelleNiveau(niveau)));
        mise.Sauter(h + Hauteur(Police(9, false)) * 0.6);
    }

    void PageDessin(MiseEnPageNote& mise)
    {
        Titre(mise, QStringLiteral("Dessin du contrefort : données et résultats"), 12);
        const QFont policeLegende = Police(8, false);
        const double hauteurLegende = Hauteur(policeLegende) * 1.6;
        const QRectF zone(0, mise.Position(), mise.Largeur(), mise.HauteurUtile() - mise.Position() - hauteurLegende);
        if (zone.height() <= 0)
            return;
        TData donnees = e_.donnees;
        OptionsDessin options = e_.optionsDessin;
        options.affichage = OptionsDessin::Affichage::LesDeux;
        const DessinContrefort dessin = ConstruireDessin(donnees, options);
        // The drawing's pens and texts are sized in screen pixels.
        const double k = page_.logicalDpiX() / 96.0;
        const QSize taille(qMax(1, int(zone.width() / k)), qMax(1, int(zone.height() / k)));
        painter_.save();
        painter_.setClipRect(zone);
        painter_.translate(zone.topLeft());
        painter_.scale(k, k);
        PeindreDessinAjuste(painter_, dessin.texte, EtendueCommandes(LireCommandesDessin(dessin.texte), dessin.etendue),
                            taille, kCouleurFondDessin);
        painter_.restore();
        painter_.setPen(QPen(Qt::black, k));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(zone);
        mise.Sauter(zone.height() + hauteurLegende * 0.3);
        // What the colours say, for a reader of the printed page.
        Ligne(mise,
              QStringLiteral("Axes en rouge, charges en bleu ; résultantes des combinaisons retenues à la couleur "
                             "de leur niveau : vert satisfaisant, orange acceptable, rose non conforme."),
              policeLegende);
    }

    void Pied(QPainter& p, int numero) const
    {
        const QRectF ligne = LignePied(page_);
        p.setFont(PoliceNote(false));
        p.setPen(Qt::black);
        p.drawText(ligne, int(Qt::AlignLeft | Qt::AlignVCenter),
                   QStringLiteral("%1 - %2").arg(e_.document, e_.calcul));
        p.drawText(ligne, int(Qt::AlignRight | Qt::AlignVCenter),
                   total_ > 0 ? QStringLiteral("page %1 / %2").arg(numero).arg(total_)
                              : QStringLiteral("page %1").arg(numero));
    }

    QPainter& painter_;
    QPagedPaintDevice& page_;
    const EntreeRapport& e_;
    int total_;
};

} // namespace

void PreparerPageRapport(QPagedPaintDevice& page)
{
    // The sixteen columns of the torsor tables need the width of a landscape page.
    page.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                   QPageLayout::Millimeter));
}

int PeindreRapport(QPagedPaintDevice& page, const EntreeRapport& entree)
{
    int total = 0;
    {
        QByteArray rebut;
        QBuffer tampon(&rebut);
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter essai(&tampon);
        essai.setResolution(page.logicalDpiY());
        essai.setPageLayout(page.pageLayout());
        QPainter painter;
        if (!painter.begin(&essai))
            return 0;
        total = Rapport(painter, essai, entree, 0).Peindre();
    }
    QPainter painter;
    if (!painter.begin(&page))
        return 0;
    return Rapport(painter, page, entree, total).Peindre();
}

QByteArray RapportPdf(const EntreeRapport& entree)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(TitreRapport(entree));
        pdf.setCreator(QStringLiteral("Tolvane"));
        pdf.setResolution(kResolutionPdf);
        PreparerPageRapport(pdf);
        if (PeindreRapport(pdf, entree) == 0)
            return {};
    }
    return octets;
}

QString TitreRapport(const EntreeRapport& entree)
{
    return QStringLiteral("Note de calcul - %1").arg(entree.calcul);
}

std::optional<QString> EcrireRapportPdf(const QString& chemin, const EntreeRapport& entree)
{
    const QByteArray octets = RapportPdf(entree);
    if (octets.isEmpty())
        return QStringLiteral("Le rapport n'a pas pu être rendu en PDF");
    if (const std::optional<QString> erreur = writeFileAtomically(chemin, octets))
        return QStringLiteral("Impossible d'enregistrer le fichier \"%1\" : %2").arg(chemin, *erreur);
    return std::nullopt;
}
