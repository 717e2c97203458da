#pragma once

#include "documents/Calcul.h"
#include "documents/FichPb.h"
#include "editing/gui/DcMemo.h"
#include "frame/gui/FTolvane.h"
#include "shell/CalculationTabsGlue.h"
#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "support/FakePlatformServices.h"
#include "util/DoUndo.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

// The main window's view, reduced to what the buttress frame needs: the tab
// part answered by the calculation tabs, the frame's three calls forwarded.
struct VueCadre : TVueSessionOnglets {
    TdcMemo* memo = nullptr;
    TFTolvane* cadre = nullptr;
    Page page = Page::Aucune;

    void AfficherTitre(const QString&) override {}
    void AfficherPage(Page p) override { page = p; }
    void AppliquerCommandes(const EtatCommandes&) override {}
    TdcBaseRelais& RelaisMemo() override { return memo->Relais(); }
    void ViderMemo() override {}
    void DonnerFocusMemo() override {}
    void RetirerFocus() override {}
    void AfficherDonnees(TDonneesAppli& DA) override
    {
        if (cadre)
            cadre->AfficherDonnees(DA);
    }
    void LireFiche(TDonneesAppli& DA) override
    {
        if (cadre)
            cadre->LireFiche(DA);
    }
    void AfficherVerdict(TDonneesAppli& DA) override
    {
        if (cadre)
            cadre->AfficherVerdict(DA);
    }
};

// A test window holding the tab bar and the buttress frame on a real
// document session, as the main window will.
class FenetreCadre {
public:
    FakePlatformServices plateforme;
    VueCadre vue;
    TDocumentSession session{vue};
    std::unique_ptr<QWidget> fenetre = std::make_unique<QWidget>();
    TdcTabControl* barre = nullptr;
    TFTolvane* cadre = nullptr;
    std::unique_ptr<TLiaisonOnglets> liaison;

    // WR: the settings store of the sheet's width, when the test has one.
    explicit FenetreCadre(TWinReg* WR = nullptr)
    {
        fenetre->setWindowTitle(QStringLiteral("Tolvane"));
        auto* colonne = new QVBoxLayout(fenetre.get());
        barre = new TdcTabControl(fenetre.get());
        barre->setFixedHeight(29);
        colonne->addWidget(barre);
        vue.memo = new TdcMemo(fenetre.get());
        vue.memo->setDataControl(&session.DC());
        vue.memo->hide();
        cadre = new TFTolvane(session, WR, fenetre.get());
        colonne->addWidget(cadre, 1);
        vue.cadre = cadre;
        liaison = std::make_unique<TLiaisonOnglets>(barre->Onglets(), session);
        vue.setOnglets(&barre->Onglets());
        barre->Brancher(*liaison);
        fenetre->resize(1000, 720);
    }

    ~FenetreCadre()
    {
        // The widgets go before the session, which must not call them back.
        barre->Debrancher();
        liaison.reset();
        vue.setOnglets(nullptr);
        vue.cadre = nullptr;
        fenetre.reset();
    }

    static QString exemple(const char* nom) { return QStringLiteral(TOLVANE_EXAMPLES_DIR "/") + QString::fromUtf8(nom); }

    // Opens an example and shows the window.
    bool ouvrir(const char* nom)
    {
        TDoUndo* DU = nullptr;
        bool ok = false;
        bool modif = false;
        session.DFLire(exemple(nom), 0, DU, ok, modif);
        fenetre->show();
        fenetre->activateWindow();
        inactivite();
        return ok && QTest::qWaitForWindowExposed(fenetre.get());
    }

    const TFichPb& document() const { return *session.Document(); }
    TCalcul& calcul(int i) const { return *document().Calculs()[i]; }

    // Selects the tabs of these calculations, as a click on the bar does.
    void selectionner(std::initializer_list<int> indices)
    {
        QList<TObjetEdite*> objets;
        for (int i : indices)
            objets << &calcul(i);
        session.DC().EnregistrerChangements();
        vue.SelectionnerObjets(objets);
        session.SelectionOngletsChangee();
        inactivite();
    }

    // Lets the data control's deferred display run.
    static void inactivite()
    {
        for (int i = 0; i < 4; ++i)
            QCoreApplication::processEvents();
    }
};
