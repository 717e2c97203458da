#include "drawing/gui/DrawingOptionsPanel.h"

#include "drawing/DrawingCommands.h"
#include "drawing/DrawingRenderer.h"
#include "drawing/gui/ButtressDrawingView.h"
#include "drawing/gui/FrmPbx.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QRadioButton* choix(DrawingOptionsPanel& panneau, const QString& texte)
{
    for (QRadioButton* b : panneau.RGaffiDR->findChildren<QRadioButton*>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

// A click on the round indicator, as a user does it.
void cliquer(QRadioButton* bouton) { QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier, QPoint(6, bouton->height() / 2)); }

QStringList libelles(const QListWidget* liste)
{
    QStringList l;
    for (int i = 0; i < liste->count(); ++i)
        l << liste->item(i)->text();
    return l;
}

bool toutCoche(const QListWidget* liste)
{
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->checkState() != Qt::Checked)
            return false;
    return true;
}

TEST(PanneauOptions, StartsWithTheDocumentedControls)
{
    DrawingOptionsPanel panneau;
    bool etiquette = false;
    for (const QLabel* l : panneau.findChildren<QLabel*>())
        etiquette = etiquette || l->text() == QStringLiteral("échelle des charges");
    EXPECT_TRUE(etiquette);
    EXPECT_EQ(panneau.SBechCharges->orientation(), Qt::Horizontal);
    EXPECT_EQ(panneau.SBechCharges->minimum(), -100);
    EXPECT_EQ(panneau.SBechCharges->maximum(), 100);
    EXPECT_EQ(panneau.SBechCharges->pageStep(), 20);
    EXPECT_EQ(panneau.SBechCharges->singleStep(), 1);
    EXPECT_EQ(panneau.SBechCharges->value(), 0);
    EXPECT_EQ(panneau.RGaffiDR->title(), QStringLiteral("affichage"));
    ASSERT_NE(choix(panneau, QStringLiteral("données")), nullptr);
    ASSERT_NE(choix(panneau, QStringLiteral("résultats")), nullptr);
    ASSERT_NE(choix(panneau, QStringLiteral("les deux")), nullptr);
    EXPECT_TRUE(choix(panneau, QStringLiteral("données"))->isChecked());
    EXPECT_EQ(libelles(panneau.CkBxAffiChPR), (QStringList{QStringLiteral("ponctuelles"), QStringLiteral("réparties")}));
    EXPECT_EQ(libelles(panneau.CkBxAffiChGSWQ),
              (QStringList{QStringLiteral("permanentes"), QStringLiteral("neige"), QStringLiteral("vent"),
                           QStringLiteral("exploitation")}));
    EXPECT_TRUE(toutCoche(panneau.CkBxAffiChPR));
    EXPECT_TRUE(toutCoche(panneau.CkBxAffiChGSWQ));
    EXPECT_FALSE(panneau.CkBxAffiChPR->isHidden());
    EXPECT_FALSE(panneau.CkBxAffiChGSWQ->isHidden());
}

TEST(PanneauOptions, EveryUserChangeAsksForARedrawAndIsReadBack)
{
    DrawingOptionsPanel panneau;
    panneau.show();
    int redessins = 0;
    QObject::connect(&panneau, &DrawingOptionsPanel::optionsChangees, [&] { ++redessins; });

    panneau.SBechCharges->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(redessins, 1);
    EXPECT_EQ(panneau.Options().echelleCharges, 20);

    cliquer(choix(panneau, QStringLiteral("résultats")));
    EXPECT_EQ(redessins, 2);
    EXPECT_EQ(panneau.Options().affichage, OptionsDessin::Affichage::Resultats);
    // The load lists are hidden while only results are shown.
    EXPECT_TRUE(panneau.CkBxAffiChPR->isHidden());
    EXPECT_TRUE(panneau.CkBxAffiChGSWQ->isHidden());

    cliquer(choix(panneau, QStringLiteral("les deux")));
    EXPECT_EQ(redessins, 3);
    EXPECT_EQ(panneau.Options().affichage, OptionsDessin::Affichage::LesDeux);
    EXPECT_FALSE(panneau.CkBxAffiChPR->isHidden());

    panneau.CkBxAffiChPR->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(redessins, 4);
    EXPECT_FALSE(panneau.Options().reparties);
    EXPECT_TRUE(panneau.Options().ponctuelles);

    panneau.CkBxAffiChGSWQ->item(2)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(redessins, 5);
    const OptionsDessin o = panneau.Options();
    EXPECT_TRUE(o.permanentes);
    EXPECT_TRUE(o.neige);
    EXPECT_FALSE(o.vent);
    EXPECT_TRUE(o.exploitation);

    // Clicking the choice already made changes nothing.
    cliquer(choix(panneau, QStringLiteral("les deux")));
    EXPECT_EQ(redessins, 5);
}

TEST(PanneauOptions, SetOptionsShowsThemSilently)
{
    DrawingOptionsPanel panneau;
    int redessins = 0;
    QObject::connect(&panneau, &DrawingOptionsPanel::optionsChangees, [&] { ++redessins; });
    OptionsDessin o;
    o.echelleCharges = -40;
    o.affichage = OptionsDessin::Affichage::Resultats;
    o.ponctuelles = false;
    o.exploitation = false;
    panneau.setOptions(o);
    EXPECT_EQ(redessins, 0);
    const OptionsDessin lu = panneau.Options();
    EXPECT_EQ(lu.echelleCharges, -40);
    EXPECT_EQ(lu.affichage, OptionsDessin::Affichage::Resultats);
    EXPECT_FALSE(lu.ponctuelles);
    EXPECT_TRUE(lu.reparties);
    EXPECT_FALSE(lu.exploitation);
    EXPECT_TRUE(panneau.CkBxAffiChPR->isHidden());
}

int pixelsDe(const QImage& image, const QColor& couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == couleur;
    return n;
}

double longueurPremiereFleche(const QString& texte)
{
    for (const InstructionDessin& c : LireCommandesDessin(texte))
        if (c.genre == InstructionDessin::Genre::Fleche)
            return std::hypot(c.x2 - c.x1, c.y2 - c.y1);
    return 0;
}

// The panel drives the frame: each change redraws the buttress of the model.
TEST(PanneauOptions, RedrawsTheButtressInTheFrame)
{
    TDonneesAppli DA;
    TSection bas;
    bas.se_htrsec = 1;
    bas.se_chargePG = {0, -1000};
    bas.se_Xctr = 0.5;
    bas.se_maxExc.mx_torsPondere = {0, -3000, 0};
    bas.se_maxExc.mx_statut = 2;
    TSection haut;
    haut.se_niveau = 3;
    haut.se_htrsec = 0.6;
    DA.Data.Sections = {bas, haut};
    DA.Data.MaxCharge = 1000;
    DA.Data.MaxEffortV = 3000;

    QWidget fenetre;
    fenetre.resize(400, 423);
    TFrmPbx cadre;
    cadre.SetParents(&fenetre, &fenetre);
    fenetre.show();
    DrawingOptionsPanel panneau;
    QObject::connect(&panneau, &DrawingOptionsPanel::optionsChangees,
                     [&] { AfficherDessin(&DA, panneau.Options(), cadre); });
    AfficherDessin(&DA, panneau.Options(), cadre);
    EXPECT_DOUBLE_EQ(cadre.Etendue().ymax, 3);
    const double depart = longueurPremiereFleche(cadre.Texte());
    EXPECT_NEAR(depart, 0.6, 1e-3);

    panneau.SBechCharges->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_NEAR(longueurPremiereFleche(cadre.Texte()), 2 * depart, 1e-3);
    EXPECT_DOUBLE_EQ(DA.Data.EchCharges, 3.0 / 5 / 1000 * 2);

    const QImage donnees = cadre.PBx->grab().toImage();
    EXPECT_GT(pixelsDe(donnees, CouleurBGR(kCouleurCharges)), 50);
    EXPECT_EQ(pixelsDe(donnees, CouleurBGR(CouleurResultante(2))), 0);

    cliquer(choix(panneau, QStringLiteral("résultats")));
    const QImage resultats = cadre.PBx->grab().toImage();
    EXPECT_EQ(pixelsDe(resultats, CouleurBGR(kCouleurCharges)), 0);
    EXPECT_GT(pixelsDe(resultats, CouleurBGR(CouleurResultante(2))), 50);

    // Without a model nothing changes.
    const QString avant = cadre.Texte();
    AfficherDessin(nullptr, panneau.Options(), cadre);
    EXPECT_EQ(cadre.Texte(), avant);
    cadre.setParent(nullptr);
}

} // namespace

// Arrows standing above and beside the buttress stay inside the frame: it is
// fitted to everything drawn, not only to the sections.
TEST(AfficherDessin, TheFrameTakesInTheArrowsOutsideTheButtress)
{
    TDonneesAppli DA;
    TSection bas;
    bas.se_htrsec = 1;
    TSection haut;
    haut.se_niveau = 3;
    haut.se_htrsec = 0.6;
    haut.se_posicharge = 0.6;
    haut.se_chargePG = {0, -1000};   // tail 0.6 above the top
    haut.se_chargePW = {-1000, 0};   // tail 0.6 beyond the outer face
    DA.Data.Sections = {bas, haut};
    DA.Data.MaxCharge = 1000;

    QWidget fenetre;
    fenetre.resize(400, 423);
    TFrmPbx cadre;
    cadre.SetParents(&fenetre, &fenetre);
    OptionsDessin options;
    AfficherDessin(&DA, options, cadre);
    EXPECT_NEAR(cadre.Etendue().ymax, 3.6, 1e-9);
    EXPECT_NEAR(cadre.Etendue().xmax, 1.2, 1e-9);
    EXPECT_DOUBLE_EQ(cadre.Etendue().xmin, 0);
    EXPECT_DOUBLE_EQ(cadre.Etendue().ymin, 0);
    for (const InstructionDessin& c : LireCommandesDessin(cadre.Texte())) {
        if (c.genre != InstructionDessin::Genre::Fleche)
            continue;
        EXPECT_LE(c.x1, cadre.Etendue().xmax + 1e-9);
        EXPECT_LE(c.y1, cadre.Etendue().ymax + 1e-9);
    }
}
