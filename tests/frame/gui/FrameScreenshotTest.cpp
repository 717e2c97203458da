#include "FrameWindow.h"

#include "drawing/gui/DrawingOptionsPanel.h"
#include "drawing/gui/FrmPbx.h"

#include <QDir>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

// For a look at the three pages of the frame with the church example:
// TOLVANE_SCREENSHOT_DIR=/some/folder xvfb-run build/tests/frame/test_frame_gui
// --gtest_filter='CadreTolvaneCaptures*' writes cadre-donnees.png,
// cadre-dessin.png, cadre-resultats.png and cadre-dessin-les-deux.png there.
TEST(CadreTolvaneCaptures, ThreePagesOfTheChurchExample)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("eglise-contreforts.Tolvane"));
    f.selectionner({0});
    f.fenetre->resize(1100, 760);
    f.inactivite();
    const QByteArray dossier = qgetenv("TOLVANE_SCREENSHOT_DIR");

    struct Page {
        PageCadre page;
        const char* fichier;
    };
    for (const Page& p : {Page{PageCadre::Donnees, "cadre-donnees.png"}, Page{PageCadre::Dessin, "cadre-dessin.png"},
                          Page{PageCadre::Resultats, "cadre-resultats.png"}}) {
        ASSERT_TRUE(f.cadre->ChoisirPage(p.page));
        if (p.page == PageCadre::Donnees)
            f.cadre->VLE->setCurrentIndex(f.cadre->VLE->model()->index(3, 1));
        f.inactivite();
        const QImage image = f.fenetre->grab().toImage();
        EXPECT_FALSE(image.isNull());
        if (!dossier.isEmpty()) {
            EXPECT_TRUE(image.save(QDir(QString::fromLocal8Bit(dossier)).filePath(QString::fromUtf8(p.fichier))));
        }
    }

    // The drawing with the loads and the resultants of the computed sections.
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Dessin));
    OptionsDessin options;
    options.affichage = OptionsDessin::Affichage::LesDeux;
    f.cadre->PnOptions->setOptions(options);
    f.cadre->AfficherDessin();
    f.inactivite();
    EXPECT_TRUE(f.cadre->Pbx->Texte().contains(QStringLiteral("COULEUR\t") + QString::number(CouleurResultante(0)))
                || f.cadre->Pbx->Texte().contains(QStringLiteral("COULEUR\t") + QString::number(CouleurResultante(1))));
    if (!dossier.isEmpty()) {
        EXPECT_TRUE(f.fenetre->grab().toImage().save(
            QDir(QString::fromLocal8Bit(dossier)).filePath(QStringLiteral("cadre-dessin-les-deux.png"))));
    }
}
