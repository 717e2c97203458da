#include "shell/CalculationTabsGlue.h"

#include "documents/Calcul.h"
#include "documents/FichPb.h"
#include "editing/DataControl.h"
#include "model/DonneesAppli.h"
#include "shell/TabBand.h"

namespace {

QList<TCalcul*> CalculsDe(const QList<TObjTab*>& objets, const TFichPb& document)
{
    QList<TCalcul*> calculs;
    for (TObjTab* objet : objets)
        if (auto* calcul = dynamic_cast<TCalcul*>(objet); calcul && document.PossedeCalcul(calcul))
            calculs << calcul;
    return calculs;
}

} // namespace

TLiaisonOnglets::TLiaisonOnglets(TOngletsCalculs& onglets, TDataControl& dc, TSourceDocument document)
    : FOnglets(onglets)
    , FDC(dc)
    , FDocument(std::move(document))
{
    FOnglets.setDataControl(&FDC);
    FOnglets.setOndcGetNouvelObjet([this] { return NouvelObjet(); });
}

TLiaisonOnglets::~TLiaisonOnglets() { FOnglets.setOndcGetNouvelObjet(nullptr); }

TObjTab* TLiaisonOnglets::NouvelObjet()
{
    TFichPb* document = FDocument();
    return document ? document->NouveauCalcul() : nullptr;
}

void TLiaisonOnglets::AvantSelection(int, bool& CanSelect)
{
    EnregistrerTousChangements();
    CanSelect = true;
}

void TLiaisonOnglets::SelectionChangee()
{
    int ixdeb = -1;
    int nbsel = 0;
    FOnglets.Bande().InfoSelection(ixdeb, nbsel);
    if (OnAfficherPage)
        OnAfficherPage(ixdeb < 0 ? kPageAucune : ixdeb == 0 ? kPageGenerale : kPageCalcul);
    MAJCalculs();
    if (OnMAJCommandes)
        OnMAJCommandes();
    FDC.Afficher();
}

void TLiaisonOnglets::OngletsChanges()
{
    if (TFichPb* document = FDocument()) {
        MAJCalculs();
        document->CalCRCTabs(FOnglets.Bande().TCtoStr(false));
    }
    if (OnMAJCommandes)
        OnMAJCommandes();
    FDC.Afficher();
}

void TLiaisonOnglets::MAJCalculs()
{
    TFichPb* document = FDocument();
    if (!document)
        return;
    document->SetCalculs(CalculsDe(FOnglets.ExclurePG(FOnglets.ObjTabs()), *document));
    document->SetCalculsSel(CalculsDe(FOnglets.ExclurePG(FOnglets.ObjTabsSelection()), *document));
}

std::optional<QColor> TLiaisonOnglets::CouleurLegende(int ix) const
{
    if (ix < 1 || ix >= FOnglets.Bande().TabsCount())
        return std::nullopt;
    const auto* calcul = dynamic_cast<const TCalcul*>(FOnglets.Bande().GetObjet(ix));
    if (!calcul)
        return std::nullopt;
    switch (calcul->EtatCalcul()) {
    case -1:
        return QColor(255, 0, 0);
    case 0:
        return QColor(0, 0, 0);
    default:
        return std::nullopt;
    }
}

void TLiaisonOnglets::AvantMenu() { EnregistrerTousChangements(); }

void TLiaisonOnglets::ExecuterCommande(TCommandeOnglet commande)
{
    FOnglets.Executer(commande);
    if (commande == TCommandeOnglet::Couper || commande == TCommandeOnglet::Copier
        || commande == TCommandeOnglet::EnregistrerCommeDefaut)
        return;
    MAJCalculs();
    FOnglets.Bande().Repeindre();
}
