#pragma once

#include "editing/DcOnglets.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class TBandeOnglets;
class TDataControl;
class TObjTab;

// The commands of the tab bar's popup menu.
enum class TCommandeOnglet {
    Couper,
    Copier,
    CollerAvant,
    CollerEnFin,
    DupliquerEnFin,
    Supprimer,
    Ajouter,
    Inserer,
    Renommer,
    EnregistrerCommeDefaut,
};

// One entry of the popup menu, a separator before it when asked.
struct TEntreeMenuOnglet {
    QString libelle;
    TCommandeOnglet commande;
    bool separateurAvant = false;
};

// The popup menu's entries, in order.
const QList<TEntreeMenuOnglet>& EntreesMenuOnglets();

// The calculation tabs: a tab strip whose tab 0 carries the general page of
// the document ("PG") and every other tab one calculation. The objects of the
// selected tabs are the ones the data control edits. Every tab command (add,
// insert, rename, delete, cut, copy, paste, duplicate, drag) is recorded in
// the data control's history as a tab record, which ActionOnglet replays.
//
// Ownership: the general-page object and the plain objects made when no
// object source is set belong to this class; the objects the source gives
// (the calculations) belong to whoever gave them, the document. The tabs, the
// objects set aside and the tab clipboard only point at them.
class TOngletsCalculs final : public TdcOnglets {
public:
    // Gives the object of a new tab; nullptr lets a plain object be made.
    using TGetNouvelObjetEvent = std::function<TObjTab*()>;

    // The strip must outlive this object.
    explicit TOngletsCalculs(TBandeOnglets& bande);
    // Forgets the data control, frees the general page, then ClearObjects.
    ~TOngletsCalculs() override;

    TBandeOnglets& Bande() const { return FBande; }

    void setOndcGetNouvelObjet(TGetNouvelObjetEvent source) { FOnGetNouvelObjet = std::move(source); }
    // The data control whose history receives the tab records; it edits the
    // objects of the selected tabs from now on.
    TDataControl* DataControl() const { return FDataControl; }
    void setDataControl(TDataControl* dc);

    TObjTab* ObjetPG() const { return FPG; }

    // Creates the general page and its tab 0 when they do not exist, then Init.
    void InitPG();
    // The same with a general page owned by the caller, which must outlive
    // this object (a document session that keeps its own).
    void InitPG(TObjTab& pagePG);
    // ClearObjects; tab 0 deselected; the change event.
    void Init();
    // Deletes every tab after tab 0 and forgets every object set aside and
    // the clipboard (the history, which names them, is emptied first); frees
    // the plain objects this class made.
    void ClearObjects();
    // Only when tab 0 is alone: a tab for each object, captioned with its name.
    void AddTOs(const QList<TObjTab*>& objs);

    // The objects of all tabs, of the selected tabs, in tab order.
    QList<TObjTab*> ObjTabs() const;
    QList<TObjTab*> ObjTabsSelection() const;
    // The list without its first element when that is the general page.
    QList<TObjTab*> ExclurePG(QList<TObjTab*> objs) const;

    // TdcOnglets: what the data control edits and reselects, and the replay.
    QList<TObjetEdite*> ObjTabsSel() const override;
    // Selects the tabs of the listed objects (the last becomes the anchor);
    // the first one's tab is made visible. No selection event.
    void SetObjSel(const QList<TObjetEdite*>& objs) override;
    // Replays a tab record (sens 11 undo, 12 redo); objects that no longer
    // exist are left out.
    void ActionOnglet(int sens, const QString& donnees) override;

    void RendreVisible(int ix);

    // May the selection become these marks? Tab 0 is only ever selected alone.
    static bool CanChangeSel(const QString& SelSrt);

    // Tab clipboard: the objects of the tabs cut or copied that still exist.
    bool TabsAColler() const { return !PressePapiers().isEmpty(); }
    QList<TObjTab*> PressePapiers() const;
    bool CouperTabs() const { return FcouperTabs; }
    void CouperTab();
    void CopierTab();
    // Pastes right after the one selected tab (nothing unless exactly one is).
    void CollerAvant();
    void CollerEnFin();
    void DupliquerEnFin();

    // Deletes the selected calculation tabs; their objects are set aside.
    void Supprimer();
    // Asks a name and adds a tab: at the end with EnFin (or when tab 0 is
    // alone), otherwise before the first selected tab. The new object, or
    // nullptr when the user cancelled.
    TObjTab* Ajouter(bool EnFin);
    // Asks a new name for the one selected calculation tab.
    void Renommer();
    // The selected tabs were dragged to the gap before tab ix: they move
    // there, recorded as a cut and paste (the tab clipboard is left alone).
    void Deposer(int ix);
    // Writes the buttress data of the one selected calculation as the default
    // calculation; a failure is shown to the user.
    void EnregistrerCommeDefaut();

    // The objects set aside, most recent first.
    QList<TObjTab*> TabsSupprimes() const;

    // Popup menu: whether an entry is enabled, and its command.
    bool CommandePossible(TCommandeOnglet commande) const;
    void Executer(TCommandeOnglet commande);

    // Every tab's caption from its object's name.
    void MAJNoms();

private:
    TObjTab* ObjetDe(int index) const;
    TObjTab* NouvelObjet();
    void ParquerObjet(TObjTab* obj);
    void DeparquerObjet(TObjTab* obj);
    void InsererObjet(int pos, TObjTab* obj);
    void ViderPressePapiers() { FTabsCC.clear(); }
    // The answer of an input box for a tab name, asked again while empty or
    // already a tab's caption (tab ixRenomme, being renamed, only refuses its
    // exact caption); empty when cancelled.
    QString DemanderNom(const QString& titre, const QString& invite, const QString& initial, int ixRenomme = -1) const;
    void Coller(TObjTab* cible);
    // Moves the tabs of the objects right after the target's tab.
    void CollerCoupe(TObjTab* cible, const QList<TObjTab*>& objets);
    void CollerCopie(TObjTab* cible);
    // Every tab replaced by a tab for each object of the list.
    void RemplacerOnglets(const QList<TObjTab*>& objets);
    void Enregistrer(const QString& donnees);
    bool CalculsSelectionnes(int* nbsel = nullptr) const;

    TBandeOnglets& FBande;
    TGetNouvelObjetEvent FOnGetNouvelObjet;
    TDataControl* FDataControl = nullptr;
    std::unique_ptr<TObjTab> FOTPG;
    TObjTab* FPG = nullptr; // FOTPG, or the caller's general page
    // The set-aside list and the clipboard name their objects by identity:
    // an object freed since (its document closed) is never reached again.
    QStringList FTabsSupprimes;
    QStringList FTabsCC;
    bool FcouperTabs = false;
    std::vector<std::unique_ptr<TObjTab>> FObjetsPropres;
};
