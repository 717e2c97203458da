#include "shell/CalculationTabsGlue.h"

#include "documents/Calcul.h"
#include "editing/DataControl.h"
#include "model/DonneesAppli.h"
#include "shell/DocumentSession.h"
#include "shell/TabBand.h"

TLiaisonOnglets::TLiaisonOnglets(TOngletsCalculs& onglets, TDocumentSession& session)
    : FOnglets(onglets)
    , FSession(session)
{
    FOnglets.InitPG(FSession.ObjetPG());
    FOnglets.setDataControl(&FSession.DC());
    FOnglets.setOndcGetNouvelObjet([this] { return NouvelObjet(); });
}

TLiaisonOnglets::~TLiaisonOnglets()
{
    FOnglets.setOndcGetNouvelObjet(nullptr);
    FOnglets.setDataControl(nullptr);
}

TObjTab* TLiaisonOnglets::NouvelObjet() { return FSession.NouveauCalcul(); }

void TLiaisonOnglets::AvantSelection(int, bool& CanSelect)
{
    EnregistrerTousChangements();
    CanSelect = true;
}

void TLiaisonOnglets::SelectionChangee() { FSession.SelectionOngletsChangee(); }

void TLiaisonOnglets::OngletsChanges() { FSession.OngletsChanges(); }

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

bool TLiaisonOnglets::CommandePossible(TCommandeOnglet commande) const
{
    return FSession.DocumentOuvert() && FOnglets.CommandePossible(commande);
}

void TLiaisonOnglets::ExecuterCommande(TCommandeOnglet commande)
{
    if (!CommandePossible(commande))
        return;
    FOnglets.Executer(commande);
    if (commande == TCommandeOnglet::Couper || commande == TCommandeOnglet::Copier
        || commande == TCommandeOnglet::EnregistrerCommeDefaut)
        return;
    FSession.MAJCalculs();
    FOnglets.Bande().Repeindre();
}

// ------------------------------------------------------------ view

void TVueSessionOnglets::InitOnglets()
{
    if (FOnglets)
        FOnglets->Init();
}

void TVueSessionOnglets::AjouterOnglets(const QList<TCalcul*>& calculs)
{
    if (!FOnglets)
        return;
    QList<TObjTab*> objets;
    for (TCalcul* calcul : calculs)
        objets << calcul;
    FOnglets->AddTOs(objets);
}

void TVueSessionOnglets::SelectionnerPageGenerale()
{
    if (!FOnglets || FOnglets->Bande().TabsCount() == 0)
        return;
    FOnglets->Bande().DeSelect();
    FOnglets->Bande().SetSelection(0, true);
    FOnglets->Bande().Repeindre();
}

QList<TObjetEdite*> TVueSessionOnglets::ObjetsOnglets() const
{
    QList<TObjetEdite*> objets;
    if (FOnglets)
        for (TObjTab* objet : FOnglets->ObjTabs())
            objets << objet;
    return objets;
}

QList<TObjetEdite*> TVueSessionOnglets::ObjetsOngletsSel() const
{
    return FOnglets ? FOnglets->ObjTabsSel() : QList<TObjetEdite*>();
}

void TVueSessionOnglets::SelectionnerObjets(const QList<TObjetEdite*>& objets)
{
    if (FOnglets)
        FOnglets->SetObjSel(objets);
}

void TVueSessionOnglets::RendreVisiblePremierOnglet()
{
    if (FOnglets)
        FOnglets->RendreVisible(0);
}

void TVueSessionOnglets::RepeindreOnglets()
{
    if (FOnglets)
        FOnglets->Bande().Repeindre();
}
