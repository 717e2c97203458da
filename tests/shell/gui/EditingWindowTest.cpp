#include "editing/DataControl.h"
#include "util/ObjetEdite.h"
#include "editing/gui/DcPanneau.h"
#include "editing/gui/DcRelais.h"
#include "editing/gui/Navigator.h"
#include "shell/gui/CustomTabsXo.h"
#include "shell/gui/TabsNavButton.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Valeur : TObjetEdite {
    explicit Valeur(QString t) : texte(std::move(t)) {}
    QString texte;
};

// The editing pieces together, as the main window will hold them: the undo
// and redo buttons and the navigator above the tab strip, one value of the
// selected tab edited through a relay.
struct FenetreOnglets {
    QWidget fenetre;
    TDataControl dc;
    std::vector<std::unique_ptr<Valeur>> valeurs;
    TdcPanneau* panneau;
    TNavigator* navigateur;
    TCustomTabsXo* onglets;
    QLineEdit* saisie;
    QLineEdit* autre;
    TdcRelais* relais;

    FenetreOnglets()
    {
        fenetre.setWindowTitle(QStringLiteral("Onglets, navigateur et défaire/refaire"));
        auto* colonne = new QVBoxLayout(&fenetre);
        auto* barre = new QHBoxLayout;
        panneau = new TdcPanneau(&dc, &fenetre);
        panneau->setDC_listes(true);
        panneau->setFixedSize(86, 24);
        navigateur = new TNavigator(&fenetre);
        navigateur->SetAligne(true);
        navigateur->setFixedSize(231, 24);
        barre->addWidget(panneau);
        barre->addWidget(navigateur);
        barre->addStretch();
        colonne->addLayout(barre);

        onglets = new TCustomTabsXo(&fenetre);
        onglets->setTabsBoutons(true);
        for (const char* nom : {"Contrefort nord", "Contrefort sud", "Mur pignon"}) {
            valeurs.push_back(std::make_unique<Valeur>(QStringLiteral("valeur de ") + QString::fromUtf8(nom)));
            onglets->AddTabObjet(QString::fromUtf8(nom), valeurs.back().get());
        }
        colonne->addWidget(onglets);

        saisie = new QLineEdit(&fenetre);
        autre = new QLineEdit(&fenetre);
        colonne->addWidget(new QLabel(QStringLiteral("Valeur de l'onglet :"), &fenetre));
        colonne->addWidget(saisie);
        colonne->addWidget(autre);

        relais = new TdcRelais(&fenetre);
        relais->setURtext(QStringLiteral("valeur"));
        relais->setDataControl(&dc);
        relais->setOnAfficherCdS([this](bool multi, const QString& v, bool) {
            relais->Libre = multi ? QString() : v;
            saisie->setText(relais->Libre);
        });
        relais->setOnLireCdS([this](QString& v) { v = saisie->text(); });
        relais->setOnLireEtatCdS([this](bool& changed) { changed = saisie->text() != relais->Libre; });

        dc.setOnGetObjetsAEditer([this] {
            QList<TObjetEdite*> selection;
            for (int i = 0; i < onglets->TabsCount(); ++i)
                if (onglets->GetSelection(i))
                    selection.append(onglets->ObjetType<Valeur>(i));
            return selection;
        });
        dc.setOnSetSelectionObjets([this](const QList<TObjetEdite*>& objets) {
            onglets->DeSelect();
            for (TObjetEdite* o : objets)
                onglets->SetSelection(onglets->IndexObjet(o), true);
            onglets->update();
        });
        dc.setOnAfficher([this](TObjetEdite* p) {
            if (p)
                relais->AfficherValeur(static_cast<Valeur*>(p)->texte);
        });
        dc.setOnLireFiche([this](TObjetEdite* p) { relais->LireValeur(static_cast<Valeur*>(p)->texte); });
        onglets->setOnChangeSel([this](TCustomTabsXo&) {
            dc.Afficher();
            majNavigateur();
        });
        navigateur->setOnClick([this](TNavigator&, TNavigateBtn bouton) {
            int courant = 0;
            int nb = 0;
            onglets->InfoSelection(courant, nb);
            const int dernier = onglets->TabsCount() - 1;
            int cible = courant;
            switch (bouton) {
            case nbFirst: cible = 0; break;
            case nbPrior: cible = std::max(0, courant - 1); break;
            case nbNext: cible = std::min(dernier, courant + 1); break;
            case nbLast: cible = dernier; break;
            default: return;
            }
            dc.SelectionnerObjets({valeurs[std::size_t(cible)].get()});
            dc.Afficher();
            majNavigateur();
        });
        onglets->SetSelection(0, true);
        majNavigateur();
    }

    void majNavigateur()
    {
        int courant = 0;
        int nb = 0;
        onglets->InfoSelection(courant, nb);
        navigateur->MAJetat(courant <= 0, courant >= onglets->TabsCount() - 1, onglets->TabsCount() == 0);
    }

    void ouvrir()
    {
        fenetre.show();
        fenetre.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));
        // Adding the tabs scrolled the strip to the last one: back to the first.
        QTest::mouseClick(onglets->GetBtn(0), Qt::LeftButton);
        dc.Afficher();
        inactivite();
    }

    static void inactivite()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    void cliquerOnglet(int ix)
    {
        QTest::mouseClick(onglets, Qt::LeftButton, {}, QPoint(onglets->GaucheOnglet(ix) + 10, onglets->height() / 2));
        inactivite();
    }

    void saisir(const QString& texte)
    {
        saisie->setFocus();
        saisie->selectAll();
        QTest::keyClicks(saisie, texte);
        autre->setFocus();
        inactivite();
    }
};

} // namespace

TEST(EditingWindow, TabsNavigatorAndUndoWorkTogether)
{
    FenetreOnglets f;
    f.ouvrir();
    EXPECT_EQ(f.saisie->text(), QStringLiteral("valeur de Contrefort nord"));
    EXPECT_FALSE(f.panneau->SBundo()->isEnabled());

    f.cliquerOnglet(1);
    EXPECT_EQ(f.onglets->SelTabs(), QStringLiteral(" X "));
    EXPECT_EQ(f.saisie->text(), QStringLiteral("valeur de Contrefort sud"));

    f.saisir(QStringLiteral("2.50"));
    EXPECT_EQ(f.valeurs[1]->texte, QStringLiteral("2.50"));
    EXPECT_TRUE(f.panneau->SBundo()->isEnabled());

    // The navigator moves to the next tab, which shows its own value.
    f.navigateur->BtnClick(nbNext);
    f.inactivite();
    EXPECT_EQ(f.onglets->SelTabs(), QStringLiteral("  X"));
    EXPECT_EQ(f.saisie->text(), QStringLiteral("valeur de Mur pignon"));

    // Undo brings back the value of the edited tab, and selects that tab.
    QTest::mouseClick(f.panneau->SBundo(), Qt::LeftButton);
    f.inactivite();
    EXPECT_EQ(f.valeurs[1]->texte, QStringLiteral("valeur de Contrefort sud"));
    EXPECT_EQ(f.onglets->SelTabs(), QStringLiteral(" X "));
    EXPECT_EQ(f.saisie->text(), QStringLiteral("valeur de Contrefort sud"));
    EXPECT_TRUE(f.panneau->SBredo()->isEnabled());

    QTest::mouseClick(f.panneau->SBredo(), Qt::LeftButton);
    f.inactivite();
    EXPECT_EQ(f.valeurs[1]->texte, QStringLiteral("2.50"));

    // The pieces sit side by side without overlapping.
    const QRect boutons = f.panneau->geometry();
    const QRect nav = f.navigateur->geometry();
    EXPECT_FALSE(boutons.intersects(nav));
    EXPECT_FALSE(boutons.intersects(f.onglets->geometry()));

    // For a look at the window: TOLVANE_SCREENSHOT_DIR=/some/folder.
    const QByteArray dossier = qgetenv("TOLVANE_SCREENSHOT_DIR");
    if (!dossier.isEmpty()) {
        EXPECT_TRUE(f.fenetre.grab().save(QDir(QString::fromLocal8Bit(dossier)).filePath(QStringLiteral("onglets-navigateur-defaire.png"))));
    }
}
