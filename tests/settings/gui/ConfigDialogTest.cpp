#include "SettingsFixture.h"

#include "settings/ConfigParameters.h"
#include "settings/gui/FConfig.h"
#include "settings/gui/FSelListe.h"
#include "settings/gui/PlacedWidget.h"
#include "support/gui/ModalDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QHeaderView>
#include <QListView>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>

namespace {

using Answer = PlatformServices::Answer;

QString Champs(std::initializer_list<const char*> champs)
{
    QStringList liste;
    for (const char* c : champs)
        liste.append(QString::fromUtf8(c));
    return liste.join(kSeparateurConfig);
}

void CliquerLigne(TFConfig& f, int ligne)
{
    QListView* liste = f.LbParams();
    const QRect zone = liste->visualRect(liste->model()->index(ligne, 0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zone.center());
}

QString Affiche(TFConfig& f, int ligne)
{
    return f.LbParams()->model()->index(ligne, 0).data(Qt::AccessibleTextRole).toString();
}

// The options dialog over the main window's settings store, loaded as at
// start-up, so that its own settings are kept from one use to the next.
struct DialogueOptions : SettingsTest {
    QWidget principale;
    std::unique_ptr<TWinReg> WR;

    DialogueOptions()
    {
        principale.setObjectName(QStringLiteral("FBaseM2"));
        WR = std::make_unique<TWinReg>(TWinReg::Role::MainWindow);
        WR->setNomAppli(QStringLiteral("Tolvane"));
        AttacherFenetre(*WR, principale);
        WR->ChargeReg(0);
    }
};

const QString kDossier = Champs({"1", "dossier par défaut"});

} // namespace

TEST_F(DialogueOptions, TheLabelColumnIs50PixelsOnFirstUseThenComesBackAsTheUserLeftIt)
{
    int premiere = 0;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        premiere = f.HC()->sectionSize(0);
        EXPECT_EQ(f.HC()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("paramètre"));
        f.HC()->resizeSection(0, 140);
        QTest::mouseClick(f.BBann(), Qt::LeftButton);
    });
    QString valeurs = QStringLiteral("/tmp/");
    EXPECT_FALSE(ExecuterConfig(QStringLiteral("Configuration Tolvane"), kDossier, valeurs));
    EXPECT_EQ(premiere, 50);

    int seconde = 0;
    QString titre;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        seconde = f.HC()->sectionSize(0);
        titre = f.windowTitle();
    });
    ExecuterConfig(QStringLiteral("Configuration Tolvane"), kDossier, valeurs);
    EXPECT_EQ(seconde, 140);
    EXPECT_EQ(titre, QStringLiteral("Configuration Tolvane"));
    ASSERT_TRUE(WR->RangeReg(0));
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FConfig/Sep")), QStringLiteral("140"));
}

TEST_F(DialogueOptions, ModifierOffersTheFolderAsTextAndOkReturnsWhatWasTyped)
{
    bool modifierAvant = true;
    bool rechercher = false;
    QString vu;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        f.LbParams()->selectionModel()->clear();
        modifierAvant = f.BtModifier()->isEnabled();
        CliquerLigne(f, 0);
        rechercher = f.BtRechercher()->isEnabled();
        platform.inputs = {QStringLiteral(" /srv/projets/ ")};
        QTest::mouseClick(f.BtModifier(), Qt::LeftButton);
        vu = Affiche(f, 0);
        QTest::mouseClick(f.BBok(), Qt::LeftButton);
    });
    QString valeurs = QStringLiteral("/tmp/");
    EXPECT_TRUE(ExecuterConfig(QStringLiteral("Configuration Tolvane"), kDossier, valeurs));
    EXPECT_FALSE(modifierAvant);
    EXPECT_TRUE(rechercher);
    EXPECT_EQ(platform.questions, std::vector<QString>{QStringLiteral("dossier par défaut")});
    EXPECT_EQ(vu, QStringLiteral("dossier par défaut :  /srv/projets/ "));
    EXPECT_EQ(valeurs, QStringLiteral(" /srv/projets/ "));
}

TEST_F(DialogueOptions, AFolderFoundWithRechercherIsStoredWithoutItsTrailingSeparator)
{
    QTemporaryDir dossier;
    const QString reel = QDir(dossier.path()).canonicalPath();
    ASSERT_TRUE(QDir(reel).mkpath(QStringLiteral("calculs")));
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        CliquerLigne(f, 0);
        platform.fileNames = {reel + QStringLiteral("/calculs/")};
        QTest::mouseClick(f.BtRechercher(), Qt::LeftButton);
        QTest::mouseClick(f.BBok(), Qt::LeftButton);
    });
    QString valeurs = reel + u'/';
    EXPECT_TRUE(ExecuterConfig(QStringLiteral("Configuration Tolvane"), kDossier, valeurs));
    EXPECT_EQ(valeurs, reel + QStringLiteral("/calculs"));
    EXPECT_EQ(platform.dialogFolders, std::vector<QString>{reel});
}

TEST_F(DialogueOptions, TheKeyboardReachesEveryLineAndEnterEditsIt)
{
    const QString parametres = QStringList{Champs({"0", "Affichage"}), Champs({"3", "afficher la grille"}),
                                           Champs({"4", "nombre de copies"})}
                                   .join(u'\n');
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        f.LbParams()->setFocus();
        QTest::keyClick(f.LbParams(), Qt::Key_Home);
        QTest::keyClick(f.LbParams(), Qt::Key_Down);
        EXPECT_TRUE(f.BtModifier()->isEnabled());
        EXPECT_FALSE(f.BtRechercher()->isEnabled());
        platform.answers = {Answer::No};
        QTest::keyClick(f.LbParams(), Qt::Key_Return);
        ASSERT_TRUE(f.isVisible()) << "Entrée dans la liste modifie la ligne sans fermer le dialogue";
        QTest::keyClick(f.LbParams(), Qt::Key_Down);
        platform.inputs = {QStringLiteral(" 3 ")};
        QTest::keyClick(f.LbParams(), Qt::Key_Enter);
        QTest::mouseClick(f.BBok(), Qt::LeftButton);
    });
    QString valeurs = Champs({"", "T", "1"});
    EXPECT_TRUE(ExecuterConfig(QStringLiteral("Options"), parametres, valeurs));
    EXPECT_EQ(platform.questions,
              (std::vector<QString>{QStringLiteral("afficher la grille ?"), QStringLiteral("nombre de copies")}));
    EXPECT_EQ(valeurs, Champs({"", "F", "3"}));
}

TEST_F(DialogueOptions, AShortValuesTextShowsEmptyValuesAndEditingTheLastOnePadsIt)
{
    const QString parametres =
        QStringList{Champs({"5", "auteur"}), Champs({"5", "bureau"}), Champs({"4", "copies"})}.join(u'\n');
    QString vu;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        vu = Affiche(f, 1);
        f.LbParams()->selectionModel()->clear();
        // A double click on the line edits it.
        QListView* liste = f.LbParams();
        const QPoint centre = liste->visualRect(liste->model()->index(2, 0)).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, centre);
        platform.inputs = {QStringLiteral("2")};
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseClick(f.BBok(), Qt::LeftButton);
    });
    QString valeurs = QStringLiteral("Vok");
    EXPECT_TRUE(ExecuterConfig(QStringLiteral("Options"), parametres, valeurs));
    EXPECT_EQ(vu, QStringLiteral("bureau : (vide)"));
    EXPECT_EQ(valeurs, Champs({"Vok", "", "2"}));
}

TEST_F(DialogueOptions, CancelReturnsFalseAndLeavesTheValuesUntouchedAfterEdits)
{
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        CliquerLigne(f, 0);
        platform.inputs = {QStringLiteral("/ailleurs")};
        QTest::mouseClick(f.BtModifier(), Qt::LeftButton);
        EXPECT_EQ(f.valtxt(), QStringLiteral("/ailleurs"));
        QTest::mouseClick(f.BBann(), Qt::LeftButton);
    });
    QString valeurs = QStringLiteral("/tmp/");
    EXPECT_FALSE(ExecuterConfig(QStringLiteral("Configuration Tolvane"), kDossier, valeurs));
    EXPECT_EQ(valeurs, QStringLiteral("/tmp/"));
    // Escape cancels as well; a double click on the dialog's margin edits
    // the selected line too.
    QString tape;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        CliquerLigne(f, 0);
        platform.inputs = {QStringLiteral("/autre")};
        QTest::mouseDClick(&f, Qt::LeftButton, {}, QPoint(3, 3));
        tape = f.valtxt();
        QTest::keyClick(f.LbParams(), Qt::Key_Escape);
    });
    EXPECT_FALSE(ExecuterConfig(QStringLiteral("Configuration Tolvane"), kDossier, valeurs));
    EXPECT_EQ(tape, QStringLiteral("/autre"));
    EXPECT_EQ(valeurs, QStringLiteral("/tmp/"));
}

TEST_F(DialogueOptions, TheColourDialogOpensOnTheStoredColourAndOkStoresTheChosenOne)
{
    QColor proposee;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        CliquerLigne(f, 0);
        PendantDialogue<QColorDialog>([&](QColorDialog& CD) {
            proposee = CD.currentColor();
            CD.setCurrentColor(QColor(255, 0, 0));
            CD.accept();
        });
        QTest::mouseClick(f.BtModifier(), Qt::LeftButton);
        QTest::mouseClick(f.BBok(), Qt::LeftButton);
    });
    QString valeurs = QStringLiteral("255");
    EXPECT_TRUE(ExecuterConfig(QStringLiteral("Couleurs"), Champs({"7", "couleur du fond"}), valeurs));
    EXPECT_EQ(proposee, QColor(0, 0, 255));
    EXPECT_EQ(valeurs, QStringLiteral("16711680"));
}

TEST_F(DialogueOptions, LinesAreDrawnAsHeadingLabelInTheColumnAndColourInset)
{
    const QString parametres = QStringList{Champs({"0", "WWWWWW"}), Champs({"5", "WWWWWWWWWWWWWWWWWWWW"}),
                                           Champs({"7", "couleur"})}
                                   .join(u'\n');
    QImage image;
    QRect lignes[3];
    int colonne = 0;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        f.LbParams()->selectionModel()->clear();
        f.LbParams()->clearFocus();
        colonne = f.HC()->sectionSize(0);
        for (int i = 0; i < 3; ++i)
            lignes[i] = f.LbParams()->visualRect(f.LbParams()->model()->index(i, 0));
        image = f.LbParams()->viewport()->grab().toImage();
    });
    QString valeurs = Champs({"", "", "65280"});
    ExecuterConfig(QStringLiteral("Dessin"), parametres, valeurs);
    ASSERT_FALSE(image.isNull());
    const auto encre = [&](const QRect& zone) {
        int n = 0;
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            for (int x = zone.left(); x <= zone.right(); ++x)
                n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    EXPECT_EQ(lignes[0].height(), 18);
    EXPECT_EQ(colonne, 50);
    const auto bande = [](const QRect& ligne, int gauche, int droite) {
        return QRect(gauche, ligne.top(), droite - gauche, ligne.height());
    };
    EXPECT_GT(encre(bande(lignes[0], 0, 8)), 0) << "le titre part du bord gauche";
    EXPECT_EQ(encre(bande(lignes[1], 0, 9)), 0) << "le libellé est décalé de 10 pixels";
    EXPECT_GT(encre(bande(lignes[1], 10, colonne)), 0);
    EXPECT_EQ(encre(bande(lignes[1], colonne, colonne + 60)), 0) << "le libellé est coupé à la colonne";
    const QRgb vert = qRgb(0, 255, 0);
    const QRect ligne = lignes[2];
    EXPECT_EQ(image.pixel(colonne + 2, ligne.top() + 2), vert);
    EXPECT_EQ(image.pixel(ligne.right() - 2, ligne.bottom() - 2), vert);
    EXPECT_NE(image.pixel(colonne + 1, ligne.top() + 1), vert);
    EXPECT_NE(image.pixel(colonne + 2, ligne.bottom() - 1), vert);
}

TEST_F(DialogueOptions, AssistiveTechnologiesReadEachLineAsLabelAndValue)
{
    const QString parametres =
        QStringList{Champs({"1", "dossier par défaut"}), Champs({"7", "couleur du fond"})}.join(u'\n');
    QStringList lus;
    QString nomListe;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(f.LbParams());
        ASSERT_NE(liste, nullptr);
        nomListe = liste->text(QAccessible::Name);
        for (int i = 0; i < liste->childCount(); ++i)
            if (QAccessibleInterface* ligne = liste->child(i))
                lus.append(ligne->text(QAccessible::Name));
    });
    QString valeurs = Champs({"/srv/calculs/", "16711680"});
    ExecuterConfig(QStringLiteral("Options"), parametres, valeurs);
    EXPECT_EQ(nomListe, QStringLiteral("Paramètres"));
    EXPECT_TRUE(lus.contains(QStringLiteral("dossier par défaut : /srv/calculs/"))) << lus.join(u'|').toStdString();
    EXPECT_TRUE(lus.contains(QStringLiteral("couleur du fond : couleur #ff0000"))) << lus.join(u'|').toStdString();
}

TEST_F(DialogueOptions, HelpExplainsTheDialogInFrenchWithoutClosingIt)
{
    bool ouvert = false;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        QTest::mouseClick(f.BBaide(), Qt::LeftButton);
        ouvert = f.isVisible();
    });
    QString valeurs;
    ExecuterConfig(QStringLiteral("Options"), kDossier, valeurs);
    EXPECT_TRUE(ouvert);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("« Modifier ... »")));
}

TEST_F(DialogueOptions, ThePrinterParameterOffersTheInstalledPrinters)
{
    const QStringList imprimantes = QPrinterInfo::availablePrinterNames();
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        CliquerLigne(f, 0);
        ASSERT_TRUE(f.BtRechercher()->isEnabled());
        if (!imprimantes.isEmpty())
            PendantDialogue<TFSelListe>([](TFSelListe& s) {
                s.LBx()->setCurrentRow(0);
                QTest::mouseClick(s.BBok(), Qt::LeftButton);
            });
        QTest::mouseClick(f.BtRechercher(), Qt::LeftButton);
        QTest::mouseClick(f.BBok(), Qt::LeftButton);
    });
    QString valeurs;
    EXPECT_TRUE(ExecuterConfig(QStringLiteral("Impression"), Champs({"8", "imprimante"}), valeurs));
    if (imprimantes.isEmpty()) {
        EXPECT_EQ(platform.messages, std::vector<QString>{QStringLiteral("Aucune imprimante n'est installée sur ce poste.")});
        EXPECT_EQ(valeurs, QString());
    } else {
        EXPECT_EQ(valeurs, imprimantes.first());
    }
}

TEST_F(DialogueOptions, ChoosingInAListGivesTheLineAndItsIndexOrNothing)
{
    struct Cas {
        QString titre;
        int ligne; // -1: nothing selected
        bool ok;
        QString attenduTitre;
        QString texte;
        int index;
    };
    const Cas cas[] = {
        {QStringLiteral("choisir l'imprimante"), 1, true, QStringLiteral("choisir l'imprimante"), QStringLiteral("Canon"), 1},
        {QString(), 2, true, QStringLiteral("Sélectionner un répertoire"), QStringLiteral("Epson"), 2},
        {QStringLiteral("choisir"), 1, false, QStringLiteral("choisir"), QString(), -1},
        {QStringLiteral("choisir"), -1, true, QStringLiteral("choisir"), QString(), -1},
    };
    for (const Cas& c : cas) {
        QString titre;
        int nombre = 0;
        PendantDialogue<TFSelListe>([&](TFSelListe& s) {
            titre = s.windowTitle();
            nombre = s.LBx()->count();
            if (c.ligne >= 0) {
                s.LBx()->setFocus();
                QTest::keyClick(s.LBx(), Qt::Key_Home);
                for (int i = 0; i < c.ligne; ++i)
                    QTest::keyClick(s.LBx(), Qt::Key_Down);
            }
            QTest::keyClick(s.LBx(), c.ok ? Qt::Key_Return : Qt::Key_Escape);
        });
        const TChoixListe choix = ChoisirDansListe(QStringLiteral("HP\r\nCanon\nEpson\n"), c.titre);
        EXPECT_EQ(titre, c.attenduTitre);
        EXPECT_EQ(nombre, 3);
        EXPECT_EQ(choix.texte, c.texte) << c.ligne;
        EXPECT_EQ(choix.index, c.index) << c.ligne;
    }
    // Its placement is written out at once.
    EXPECT_FALSE(Stored(QStringLiteral("Vok"), QStringLiteral("FSelListe/WinLTWH")).isEmpty());
}
