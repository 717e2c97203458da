#include "shell/CalculationTabs.h"

#include "documents/Calcul.h"
#include "editing/DataControl.h"
#include "editing/UndoRecords.h"
#include "model/ButtressText.h"
#include "model/DonneesAppli.h"
#include "shell/TabBand.h"
#include "shell/TabRecords.h"
#include "shell/TabStripContent.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"
#include "util/TextFields.h"

#include <algorithm>

using namespace TabRecords;

namespace {

// A tab name as the strip can show it: control characters (line breaks
// included) become blanks, then blanks are trimmed.
QString NomPropre(const QString& reponse)
{
    QString nom = reponse;
    for (QChar& c : nom)
        if (c.unicode() < 32)
            c = u' ';
    return SansBlancs(nom).toString();
}

} // namespace

const QList<TEntreeMenuOnglet>& EntreesMenuOnglets()
{
    static const QList<TEntreeMenuOnglet> entrees{
        {QStringLiteral("Couper"), TCommandeOnglet::Couper},
        {QStringLiteral("Copier"), TCommandeOnglet::Copier},
        {QStringLiteral("Coller avant"), TCommandeOnglet::CollerAvant},
        {QStringLiteral("Coller en fin"), TCommandeOnglet::CollerEnFin},
        {QStringLiteral("Dupliquer en fin"), TCommandeOnglet::DupliquerEnFin},
        {QStringLiteral("Supprimer"), TCommandeOnglet::Supprimer, true},
        {QStringLiteral("Ajouter"), TCommandeOnglet::Ajouter},
        {QStringLiteral("Insérer"), TCommandeOnglet::Inserer},
        {QStringLiteral("Renommer"), TCommandeOnglet::Renommer},
        {QStringLiteral("Enregistrer l'onglet comme défaut"), TCommandeOnglet::EnregistrerCommeDefaut, true},
    };
    return entrees;
}

TOngletsCalculs::TOngletsCalculs(TBandeOnglets& bande) : FBande(bande) {}

// The strip is left as it is: it goes with this object, and its change event
// may already lead to handlers that are gone.
TOngletsCalculs::~TOngletsCalculs()
{
    setDataControl(nullptr);
    FTabsSupprimes.clear();
    FTabsCC.clear();
}

void TOngletsCalculs::setDataControl(TDataControl* dc)
{
    if (FDataControl && FDataControl->TabControl() == this)
        FDataControl->setTabControl(nullptr);
    FDataControl = dc;
    if (FDataControl)
        FDataControl->setTabControl(this);
}

TObjTab* TOngletsCalculs::ObjetDe(int index) const
{
    if (index < 0 || index >= FBande.TabsCount())
        return nullptr;
    return dynamic_cast<TObjTab*>(FBande.GetObjet(index));
}

void TOngletsCalculs::InitPG()
{
    if (!FPG) {
        FOTPG = std::make_unique<TObjTab>(QStringLiteral("PG"));
        FPG = FOTPG.get();
        FBande.AddTabObjet(FPG->nomtab, FPG);
    }
    Init();
}

void TOngletsCalculs::InitPG(TObjTab& pagePG)
{
    if (!FPG) {
        FPG = &pagePG;
        FBande.AddTabObjet(FPG->nomtab, FPG);
    }
    Init();
}

void TOngletsCalculs::Init()
{
    ClearObjects();
    if (FBande.TabsCount() > 0)
        FBande.SetSelection(0, false);
    FBande.Change();
}

void TOngletsCalculs::ClearObjects()
{
    // The history names the objects about to be forgotten: no step may bring
    // one back once its document is gone.
    if (FDataControl)
        FDataControl->Clear();
    for (int i = FBande.TabsCount() - 1; i >= 1; --i)
        FBande.DeleteTab(i);
    FTabsSupprimes.clear();
    FTabsCC.clear();
    FObjetsPropres.clear();
}

void TOngletsCalculs::AddTOs(const QList<TObjTab*>& objs)
{
    if (FBande.TabsCount() != 1)
        return;
    for (TObjTab* objet : objs)
        if (objet)
            FBande.AddTabObjet(objet->nomtab, objet);
}

QList<TObjTab*> TOngletsCalculs::ObjTabs() const
{
    QList<TObjTab*> objets;
    for (int i = 0; i < FBande.TabsCount(); ++i)
        if (TObjTab* objet = ObjetDe(i))
            objets << objet;
    return objets;
}

QList<TObjTab*> TOngletsCalculs::ObjTabsSelection() const
{
    QList<TObjTab*> objets;
    for (int i = 0; i < FBande.TabsCount(); ++i)
        if (FBande.GetSelection(i))
            if (TObjTab* objet = ObjetDe(i))
                objets << objet;
    return objets;
}

QList<TObjTab*> TOngletsCalculs::ExclurePG(QList<TObjTab*> objs) const
{
    if (!objs.isEmpty() && FPG && objs.front() == FPG)
        objs.removeFirst();
    return objs;
}

QList<TObjetEdite*> TOngletsCalculs::ObjTabsSel() const
{
    QList<TObjetEdite*> objets;
    for (TObjTab* objet : ObjTabsSelection())
        objets << objet;
    return objets;
}

void TOngletsCalculs::SetObjSel(const QList<TObjetEdite*>& objs)
{
    FBande.DeSelect();
    for (TObjetEdite* objet : objs) {
        const int ix = FBande.IndexObjet(objet);
        if (ix >= 0)
            FBande.SetSelection(ix, true);
    }
    if (!objs.isEmpty()) {
        const int premier = FBande.IndexObjet(objs.front());
        if (premier >= 0)
            RendreVisible(premier);
    }
    FBande.Repeindre();
}

void TOngletsCalculs::RendreVisible(int ix) { FBande.RendreVisible(ix); }

bool TOngletsCalculs::CanChangeSel(const QString& SelSrt)
{
    if (SelSrt.isEmpty() || SelSrt.front() == TabStripContent::kNonSelectionne)
        return true;
    return std::count_if(SelSrt.cbegin(), SelSrt.cend(),
                         [](QChar c) { return c != TabStripContent::kNonSelectionne; })
        == 1;
}

bool TOngletsCalculs::CalculsSelectionnes(int* nbsel) const
{
    int ixdeb = -1;
    int nb = 0;
    FBande.InfoSelection(ixdeb, nb);
    if (nbsel)
        *nbsel = nb;
    return ixdeb > 0 && nb > 0;
}

// ------------------------------------------------------------ set aside

void TOngletsCalculs::ParquerObjet(TObjTab* obj)
{
    if (!obj)
        return;
    const QString identite = Identite(obj);
    if (!FTabsSupprimes.contains(identite))
        FTabsSupprimes.prepend(identite);
}

void TOngletsCalculs::DeparquerObjet(TObjTab* obj)
{
    if (obj)
        FTabsSupprimes.removeAll(Identite(obj));
}

QList<TObjTab*> TOngletsCalculs::TabsSupprimes() const
{
    QList<TObjTab*> objets;
    for (const QString& identite : FTabsSupprimes)
        if (TObjTab* objet = ObjetDIdentite(identite))
            objets << objet;
    return objets;
}

QList<TObjTab*> TOngletsCalculs::PressePapiers() const
{
    QList<TObjTab*> objets;
    for (const QString& identite : FTabsCC)
        if (TObjTab* objet = ObjetDIdentite(identite))
            objets << objet;
    return objets;
}

namespace {

QStringList Identites(const QList<TObjTab*>& objets)
{
    QStringList identites;
    for (const TObjTab* objet : objets)
        identites << Identite(objet);
    return identites;
}

} // namespace

TObjTab* TOngletsCalculs::NouvelObjet()
{
    if (FOnGetNouvelObjet)
        if (TObjTab* objet = FOnGetNouvelObjet())
            return objet;
    FObjetsPropres.push_back(std::make_unique<TObjTab>());
    return FObjetsPropres.back().get();
}

void TOngletsCalculs::MAJNoms()
{
    for (int i = 0; i < FBande.TabsCount(); ++i)
        if (const TObjTab* objet = ObjetDe(i))
            FBande.SetTab(i, objet->nomtab);
    FBande.Repeindre();
}

void TOngletsCalculs::InsererObjet(int pos, TObjTab* obj)
{
    int index = FBande.TabsCount();
    if (pos > 0 && pos < FBande.TabsCount()) {
        index = pos;
        FBande.InsertTabObjet(index, obj->nomtab, obj);
    } else {
        FBande.AddTabObjet(obj->nomtab, obj);
    }
    FBande.DeSelect();
    FBande.SetSelection(index, true);
    RendreVisible(index);
    FBande.Change();
}

void TOngletsCalculs::Enregistrer(const QString& donnees)
{
    if (FDataControl)
        FDataControl->AjouterAction(kGenreOnglet, Libelle(donnees.front()), QString(), donnees);
}

// ------------------------------------------------------------ names

QString TOngletsCalculs::DemanderNom(const QString& titre, const QString& invite, const QString& initial,
                                     int ixRenomme) const
{
    // The tab being renamed may change the letter case of its own name; any
    // other tab's name is taken, in any letter case.
    QString proposition = initial;
    for (;;) {
        const std::optional<QString> reponse = services().inputText(titre, invite, proposition);
        if (!reponse)
            return {};
        proposition = NomPropre(*reponse);
        if (proposition.isEmpty())
            continue;
        bool pris = false;
        for (int i = 0; i < FBande.TabsCount() && !pris; ++i) {
            const QString legende = FBande.GetTab(i);
            pris = i == ixRenomme ? legende == proposition
                                  : legende.compare(proposition, Qt::CaseInsensitive) == 0;
        }
        if (!pris)
            return proposition;
    }
}

TObjTab* TOngletsCalculs::Ajouter(bool EnFin)
{
    if (FBande.TabsCount() <= 1)
        EnFin = true;
    int ixdeb = -1;
    int nb = 0;
    FBande.InfoSelection(ixdeb, nb);
    const int position = EnFin ? 0 : std::max(ixdeb, 0);

    const QString nom = DemanderNom(QStringLiteral("Ajouter"), QStringLiteral("Nom de la page"), QStringLiteral("page "));
    if (nom.isEmpty())
        return nullptr;
    TObjTab* objet = NouvelObjet();
    if (objet->nomtab.isEmpty())
        objet->nomtab = nom;
    ViderPressePapiers();
    InsererObjet(position, objet);
    MAJNoms();
    Enregistrer(Ajout(position, objet));
    return objet;
}

void TOngletsCalculs::Renommer()
{
    int ixdeb = -1;
    int nb = 0;
    FBande.InfoSelection(ixdeb, nb);
    TObjTab* objet = ObjetDe(ixdeb);
    // The general page keeps its name.
    if (nb != 1 || ixdeb < 1 || !objet)
        return;
    const QString ancien = SansBlancs(objet->nomtab).toString();
    const QString nouveau = DemanderNom(QStringLiteral("Renommer"), QStringLiteral("Nouveau nom"), FBande.GetTab(ixdeb), ixdeb);
    if (nouveau.isEmpty())
        return;
    objet->nomtab = nouveau;
    MAJNoms();
    FBande.Change();
    ViderPressePapiers();
    Enregistrer(Renommage(nouveau, ancien, objet));
}

// ------------------------------------------------------------ delete

void TOngletsCalculs::Supprimer()
{
    QList<std::pair<int, TObjTab*>> paires;
    for (int i = 1; i < FBande.TabsCount(); ++i)
        if (FBande.GetSelection(i))
            paires.append({i, ObjetDe(i)});
    if (paires.isEmpty())
        return;
    for (auto it = paires.crbegin(); it != paires.crend(); ++it) {
        ParquerObjet(it->second);
        FBande.DeleteTab(it->first);
    }
    FBande.Change();
    Enregistrer(Suppression(paires));
    ViderPressePapiers();
    MAJNoms();
}

// ------------------------------------------------------------ clipboard

void TOngletsCalculs::CouperTab()
{
    // The general page never leaves tab 0.
    FTabsCC = Identites(ExclurePG(ObjTabsSelection()));
    FcouperTabs = true;
}

void TOngletsCalculs::CopierTab()
{
    FTabsCC = Identites(ExclurePG(ObjTabsSelection()));
    FcouperTabs = false;
}

void TOngletsCalculs::Coller(TObjTab* cible)
{
    if (FcouperTabs)
        CollerCoupe(cible, PressePapiers());
    else
        CollerCopie(cible);
    ViderPressePapiers();
    MAJNoms();
}

void TOngletsCalculs::CollerAvant()
{
    int ixdeb = -1;
    int nb = 0;
    FBande.InfoSelection(ixdeb, nb);
    if (nb != 1)
        return;
    Coller(ObjetDe(ixdeb));
}

void TOngletsCalculs::CollerEnFin() { Coller(ObjetDe(FBande.TabsCount() - 1)); }

void TOngletsCalculs::DupliquerEnFin()
{
    CopierTab();
    CollerEnFin();
}

void TOngletsCalculs::CollerCoupe(TObjTab* cible, const QList<TObjTab*>& objets)
{
    // Only tabs still in the bar can move: a tab deleted or undone since the
    // cut stays where it is.
    QList<TObjTab*> coupes;
    for (TObjTab* objet : objets)
        if (FBande.IndexObjet(objet) >= 0 && !coupes.contains(objet))
            coupes << objet;
    if (coupes.isEmpty() || !cible)
        return;
    FBande.DeSelect();
    const QList<TObjTab*> avant = ObjTabs();
    QList<TObjTab*> apres;
    for (TObjTab* objet : avant) {
        if (!coupes.contains(objet))
            apres << objet;
        if (objet == cible)
            apres << coupes;
    }
    // A paste onto itself changes nothing and leaves no step to undo.
    if (apres.size() != avant.size() || apres == avant || avant.size() != FBande.TabsCount()) {
        FBande.Repeindre();
        return;
    }
    Enregistrer(Deplacement(kCouperColler, avant, apres));
    for (int i = 0; i < apres.size(); ++i)
        FBande.SetObjet(i, apres.at(i));
    MAJNoms();
    FBande.Change();
}

void TOngletsCalculs::CollerCopie(TObjTab* cible)
{
    const QList<TObjTab*> avant = ObjTabs();
    if (!cible || !avant.contains(cible))
        return;
    // Every copy is made before any tab changes: a copy that fails leaves the
    // bar as it was. Only tabs still in the bar are copied, as only they are
    // moved by a cut.
    QList<TObjTab*> copies;
    for (TObjTab* source : PressePapiers()) {
        if (!avant.contains(source))
            continue;
        TObjTab* copie = NouvelObjet();
        copie->Assign(*source);
        copies << copie;
    }
    if (copies.isEmpty())
        return;
    FBande.DeSelect();
    QList<TObjTab*> apres;
    for (TObjTab* objet : avant) {
        apres << objet;
        if (objet == cible)
            apres << copies;
    }
    Enregistrer(Deplacement(kCopierColler, avant, apres));
    RemplacerOnglets(apres);
}

void TOngletsCalculs::RemplacerOnglets(const QList<TObjTab*>& objets)
{
    for (int i = FBande.TabsCount() - 1; i >= 0; --i) {
        ParquerObjet(ObjetDe(i));
        FBande.DeleteTab(i);
    }
    for (TObjTab* objet : objets) {
        if (!objet)
            continue;
        FBande.AddTabObjet(objet->nomtab, objet);
        DeparquerObjet(objet);
    }
}

void TOngletsCalculs::Deposer(int ix)
{
    int ixdeb = -1;
    int nb = 0;
    FBande.InfoSelection(ixdeb, nb);
    // The dragged tabs move as a cut and paste would move them; the tab
    // clipboard, which a drag does not fill, keeps what the user cut or copied.
    if (ix > 0 && ixdeb > 0) {
        CollerCoupe(ObjetDe(std::min(ix, FBande.TabsCount()) - 1), ObjTabsSelection());
        MAJNoms();
    }
}

// ------------------------------------------------------------ replay

void TOngletsCalculs::ActionOnglet(int sens, const QString& donnees)
{
    const TEnregOnglet r = Lire(donnees);
    const bool defaire = sens == kSensDefaire;
    switch (r.commande.unicode()) {
    case u'A':
        if (!r.objet)
            break;
        if (defaire) {
            ParquerObjet(r.objet);
            const int ix = FBande.IndexObjet(r.objet);
            if (ix > 0)
                FBande.DeleteTab(ix);
        } else if (FBande.IndexObjet(r.objet) < 0) {
            InsererObjet(r.position, r.objet);
            DeparquerObjet(r.objet);
        }
        MAJNoms();
        break;
    case u'S':
        if (defaire) {
            for (const auto& [index, objet] : r.supprimes) {
                if (!objet || FBande.IndexObjet(objet) >= 0)
                    continue;
                if (index >= FBande.TabsCount())
                    FBande.AddTabObjet(objet->nomtab, objet);
                else
                    FBande.InsertTabObjet(std::max(index, 1), objet->nomtab, objet);
                DeparquerObjet(objet);
            }
        } else {
            for (auto it = r.supprimes.crbegin(); it != r.supprimes.crend(); ++it) {
                const int ix = FBande.IndexObjet(it->second);
                if (!it->second || ix < 1)
                    continue;
                ParquerObjet(it->second);
                FBande.DeleteTab(ix);
            }
            FBande.Change();
        }
        MAJNoms();
        break;
    case u'R':
        if (!r.objet)
            break;
        r.objet->nomtab = defaire ? r.ancienNom : r.nouveauNom;
        MAJNoms();
        FBande.Change();
        break;
    case u'X':
    case u'C':
        RemplacerOnglets(defaire ? r.avant : r.apres);
        break;
    default:
        break;
    }
}

// ------------------------------------------------------------ menu

void TOngletsCalculs::EnregistrerCommeDefaut()
{
    int ixdeb = -1;
    int nb = 0;
    FBande.InfoSelection(ixdeb, nb);
    const auto* calcul = dynamic_cast<const TCalcul*>(ObjetDe(ixdeb));
    if (nb != 1 || ixdeb < 1 || !calcul || !calcul->DAP)
        return;
    try {
        ::EnregistrerCommeDefaut(*calcul->DAP);
    } catch (const ETolvane& e) {
        services().showMessage(e.message(), PlatformServices::Icon::Error);
    }
}

bool TOngletsCalculs::CommandePossible(TCommandeOnglet commande) const
{
    int nbsel = 0;
    const bool calculs = CalculsSelectionnes(&nbsel);
    switch (commande) {
    case TCommandeOnglet::Couper:
    case TCommandeOnglet::Copier:
    case TCommandeOnglet::DupliquerEnFin:
    case TCommandeOnglet::Supprimer:
        return calculs;
    case TCommandeOnglet::CollerAvant:
    case TCommandeOnglet::CollerEnFin:
        return calculs && TabsAColler();
    case TCommandeOnglet::Ajouter:
        return true;
    case TCommandeOnglet::Inserer:
    case TCommandeOnglet::Renommer:
    case TCommandeOnglet::EnregistrerCommeDefaut:
        return calculs && nbsel == 1;
    }
    return false;
}

void TOngletsCalculs::Executer(TCommandeOnglet commande)
{
    if (!CommandePossible(commande))
        return;
    try {
        switch (commande) {
        case TCommandeOnglet::Couper:
            CouperTab();
            break;
        case TCommandeOnglet::Copier:
            CopierTab();
            break;
        case TCommandeOnglet::CollerAvant:
            CollerAvant();
            break;
        case TCommandeOnglet::CollerEnFin:
            CollerEnFin();
            break;
        case TCommandeOnglet::DupliquerEnFin:
            DupliquerEnFin();
            break;
        case TCommandeOnglet::Supprimer:
            Supprimer();
            break;
        case TCommandeOnglet::Ajouter:
            Ajouter(true);
            break;
        case TCommandeOnglet::Inserer:
            Ajouter(false);
            break;
        case TCommandeOnglet::Renommer:
            Renommer();
            break;
        case TCommandeOnglet::EnregistrerCommeDefaut:
            EnregistrerCommeDefaut();
            break;
        }
    } catch (const ETolvane& e) {
        // A new calculation that cannot be made (its default file unreadable)
        // or a copy that fails: the user learns why, the tabs are unchanged.
        services().showMessage(e.message(), PlatformServices::Icon::Error);
    }
}
