#include "shell/gui/DcTabControl.h"

#include "shell/CalculationTabsGlue.h"
#include "shell/TabBand.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

// The widget strip as the calculation tabs see it.
class TdcTabControl::AdaptateurBande final : public TBandeOnglets {
public:
    explicit AdaptateurBande(TdcTabControl& w) : w_(w) {}

    int TabsCount() const override { return w_.TabsCount(); }
    int AddTabObjet(const QString& value, TObjetEdite* Obj) override { return w_.AddTabObjet(value, Obj); }
    void InsertTabObjet(int index, const QString& value, TObjetEdite* Obj) override
    {
        w_.InsertTabObjet(index, value, Obj);
    }
    void DeleteTab(int index) override { w_.DeleteTab(index); }
    QString GetTab(int index) const override { return w_.GetTab(index); }
    void SetTab(int index, const QString& value) override { w_.SetTab(index, value); }
    TObjetEdite* GetObjet(int index) const override { return w_.GetObjet(index); }
    void SetObjet(int index, TObjetEdite* value) override { w_.SetObjet(index, value); }
    int IndexObjet(const TObjetEdite* Obj) const override { return w_.IndexObjet(Obj); }
    bool GetSelection(int index) const override { return w_.GetSelection(index); }
    void SetSelection(int index, bool value) override { w_.SetSelection(index, value); }
    void DeSelect() override { w_.DeSelect(); }
    void InfoSelection(int& ixdebsel0, int& nbsel) const override { w_.InfoSelection(ixdebsel0, nbsel); }
    bool ExisteTab(const QString& nom) const override { return w_.ExisteTab(nom); }
    QString TCtoStr(bool ycsel) const override { return w_.TCtoStr(ycsel); }
    void Change() override { w_.Change(); }
    void RendreVisible(int ix) override
    {
        if (ix >= 0 && ix < w_.TabsCount())
            w_.AjusterPremier(ix);
        w_.update();
    }
    void Repeindre() override { w_.update(); }

private:
    TdcTabControl& w_;
};

TdcTabControl::TdcTabControl(QWidget* parent)
    : TCustomTabsXo(parent)
    , FBande(std::make_unique<AdaptateurBande>(*this))
    , FOnglets(std::make_unique<TOngletsCalculs>(*FBande))
    , FPPmTab(new QMenu(this))
{
    setAccessibleName(QStringLiteral("Onglets des calculs"));
    setOnDropTabs([this](int ix) { FOnglets->Deposer(ix); });
    for (const TEntreeMenuOnglet& entree : EntreesMenuOnglets()) {
        if (entree.separateurAvant)
            FPPmTab->addSeparator();
        QAction* action = FPPmTab->addAction(entree.libelle);
        const TCommandeOnglet commande = entree.commande;
        connect(action, &QAction::triggered, this, [this, commande] { Commande(commande); });
        FActions.insert(commande, action);
    }
}

// The handlers lead to the main window, which may already be going: they are
// forgotten before the tabs go.
TdcTabControl::~TdcTabControl()
{
    Debrancher();
    setOnDropTabs(nullptr);
    FOnglets.reset();
}

void TdcTabControl::Brancher(TLiaisonOnglets& liaison)
{
    setOnChange([&liaison](TCustomTabsXo&) { liaison.OngletsChanges(); });
    setOnChangeSel([&liaison](TCustomTabsXo&) { liaison.SelectionChangee(); });
    setOnSelectTab([&liaison](int ix, bool& CanSelect) { liaison.AvantSelection(ix, CanSelect); });
    setOnDrawTab([&liaison](int ix, QPainter& Cv, bool&) {
        if (const auto couleur = liaison.CouleurLegende(ix))
            Cv.setPen(*couleur);
    });
    FOnAvantMenu = [&liaison] { liaison.AvantMenu(); };
    FOnCommande = [&liaison](TCommandeOnglet commande) { liaison.ExecuterCommande(commande); };
    FOnCommandePossible = [&liaison](TCommandeOnglet commande) { return liaison.CommandePossible(commande); };
}

void TdcTabControl::Debrancher()
{
    setOnChange(nullptr);
    setOnChangeSel(nullptr);
    setOnSelectTab(nullptr);
    setOnDrawTab(nullptr);
    FOnAvantMenu = nullptr;
    FOnCommande = nullptr;
    FOnCommandePossible = nullptr;
}

bool TdcTabControl::CanChangeSel(int, const QString& SelSrt) { return TOngletsCalculs::CanChangeSel(SelSrt); }

void TdcTabControl::ChangeSel()
{
    int ixdeb = -1;
    int nbsel = 0;
    InfoSelection(ixdeb, nbsel);
    if (ixdeb >= 0 && QAccessible::isActive()) {
        QAccessibleEvent evenement(this, QAccessible::Selection);
        evenement.setChild(ixdeb);
        QAccessible::updateAccessibility(&evenement);
    }
    TCustomTabsXo::ChangeSel();
}

void TdcTabControl::PreparerMenu()
{
    if (FOnAvantMenu)
        FOnAvantMenu();
    for (auto it = FActions.cbegin(); it != FActions.cend(); ++it)
        it.value()->setEnabled(FOnCommandePossible ? FOnCommandePossible(it.key())
                                                   : FOnglets->CommandePossible(it.key()));
}

void TdcTabControl::contextMenuEvent(QContextMenuEvent* event)
{
    PreparerMenu();
    FPPmTab->exec(event->globalPos());
    event->accept();
}

void TdcTabControl::Commande(TCommandeOnglet commande)
{
    if (FOnCommande) {
        FOnCommande(commande);
    } else {
        FOnglets->Executer(commande);
        update();
    }
}

TBandeOnglets& TdcTabControl::Bande() { return *FBande; }
