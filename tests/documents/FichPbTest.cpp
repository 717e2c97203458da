#include "support/FakePlatformServices.h"
#include "support/FullDisk.h"
#include "documents/Calcul.h"
#include "documents/DocumentFile.h"
#include "documents/FichPb.h"
#include "model/ButtressText.h"
#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "util/AnsiCodePage.h"
#include "util/Errors.h"
#include "util/TextFields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <functional>
#include <utility>
#include <gtest/gtest.h>

namespace {

const QString kBlocA = QStringLiteral("< délimstr A >");
const QString kBlocB = QStringLiteral("< délimstr B >");

TSection section(double niveau, double longueur = 0.6)
{
    TSection s;
    s.se_niveau = niveau;
    s.se_htrsec = longueur;
    s.se_lrgsec = 0.5;
    s.se_mvol = 2000;
    s.se_resistance = 5;
    s.se_angfrottrad = 0.5;
    return s;
}

TCalcul* ajouter(TFichPb& fp, const QString& nom, QList<TSection> sections, const QString& commentaire = {})
{
    auto c = std::make_unique<TCalcul>();
    c->nomtab = nom;
    c->DAP->Data.Comment = commentaire;
    c->DAP->Data.Sections = std::move(sections);
    c->DAP->CalCRC();
    c->DAP->ClearModified();
    return fp.AddCalcul(std::move(c));
}

QString relire(const QString& texte, TFichPb& fp)
{
    fp.LoadFromString(texte);
    return fp.SaveToString();
}

QStringList noms(const TFichPb& fp)
{
    QStringList n;
    for (const TCalcul* c : fp.Calculs())
        n << c->nomtab;
    return n;
}

// A default-calculation folder of the test's own; the previous one comes back.
class DossierDefaut {
public:
    DossierDefaut() : ancien_(QFileInfo(TDonneesAppli::defaultFilePath()).path())
    {
        TDonneesAppli::setDefaultFolder(dir_.path());
    }
    ~DossierDefaut() { TDonneesAppli::setDefaultFolder(ancien_); }
    QString path() const { return dir_.path(); }

private:
    QString ancien_;
    QTemporaryDir dir_;
};

} // namespace

TEST(FichPb, AnEmptyDocumentWritesVersionMemoAndGlobalData)
{
    TFichPb fp;
    fp.MemoFich = QStringLiteral("mémo");
    EXPECT_EQ(fp.SaveToString(),
              QStringLiteral("5_1\r\n") + kBlocA + kCrLf + QStringLiteral("mémo") + kBlocA + kCrLf + kBlocA + kCrLf
                  + kBlocA + kCrLf);

    TFichPb relu;
    relu.LoadFromString(fp.SaveToString());
    EXPECT_TRUE(relu.Calculs().isEmpty());
    EXPECT_EQ(relu.MemoFich, QStringLiteral("mémo"));
    EXPECT_EQ(relu.NbCalculsIgnores, 0);
}

TEST(FichPb, SaveLoadSaveGivesTheSameText)
{
    TFichPb fp;
    fp.MemoFich = QStringLiteral("Église Saint-Martin\r\ncontreforts nord");
    fp.FGlobData = QStringLiteral("  données\r\nglobales  \r\n");
    ajouter(fp, QStringLiteral("C1"), {section(0, 1.0), section(3)}, QStringLiteral("nef"));
    ajouter(fp, QStringLiteral("C2 bis"), {});
    ajouter(fp, kBlocA, {section(0)}, kBlocA); // name and data hold the A delimiter line
    TCalcul* c1 = fp.Calculs()[0];
    c1->DAP->Indice = QStringLiteral("B");
    c1->DAP->Repere = QStringLiteral("CF-1");
    c1->DAP->Data.Sections[1].se_chargePG = {120.5, -2000};
    c1->DAP->CalCRC();

    const QString texte = fp.SaveToString();
    EXPECT_TRUE(texte.contains(kBlocB + kCrLf + kBlocA + kCrLf)) << "the block carrying the A line uses B";

    TFichPb relu;
    EXPECT_EQ(relire(texte, relu), texte);
    EXPECT_EQ(noms(relu), (QStringList{QStringLiteral("C1"), QStringLiteral("C2 bis"), kBlocA}));
    EXPECT_EQ(relu.FGlobData, fp.FGlobData);
    EXPECT_EQ(relu.Calculs()[2]->DAP->Data.Comment, kBlocA);
    EXPECT_EQ(relu.Calculs()[0]->CalcToStr(), c1->CalcToStr());
    EXPECT_EQ(relu.Calculs()[0]->DAP->Repere, QStringLiteral("CF-1"));
    for (const TCalcul* c : relu.Calculs()) {
        EXPECT_FALSE(c->DAP->Modified());
        EXPECT_EQ(c->EtatCalcul(), 0);
    }
}

TEST(FichPb, TheMemoIsTrimmedAndTheGlobalDataKeptExactly)
{
    TFichPb fp;
    fp.MemoFich = QStringLiteral(" \r\n\tmémo\r\n  ");
    fp.FGlobData = QStringLiteral(" \r\n\tglob\r\n  ");
    TFichPb relu;
    relu.LoadFromString(fp.SaveToString());
    EXPECT_EQ(relu.MemoFich, QStringLiteral("mémo"));
    EXPECT_EQ(relu.FGlobData, fp.FGlobData);
}

TEST(FichPb, BlankTextsLoadNothing)
{
    for (const QString& texte : {QString(), QStringLiteral("   "), QStringLiteral("\r\n \r\n\t\r\n")}) {
        TFichPb fp;
        fp.LoadFromString(texte);
        EXPECT_TRUE(fp.Calculs().isEmpty());
        EXPECT_TRUE(fp.MemoFich.isEmpty());
        EXPECT_FALSE(fp.DU.Modified());
    }
}

TEST(FichPb, ReadsTheOlderFormats)
{
    const QString calcul = QStringLiteral("C1\r\nind\r\ndate\r\nrep\r\ncomm\r\n1\r\n")
        + SectionVersTexte(section(2)) + QStringLiteral("C2\r\n\r\n\r\n\r\n\r\n0\r\n");
    const QString glob = BlocDelimite(QStringLiteral("g"));
    const QString memo = BlocDelimite(QStringLiteral(" m "));
    const QString legacyHead = QStringLiteral("l1\r\nl2\r\nl3\r\nl4\r\nl5\r\n");
    const struct {
        const char* nom;
        QString texte;
        QString memo;
        QString glob;
    } cas[] = {
        {"version 4 : mémo et données globales en blocs, calculs en lignes", QStringLiteral("4_2\r\n") + memo + glob + calcul,
         QStringLiteral("m"), QStringLiteral("g")},
        {"version 3 : cinq lignes, données globales, lignes jusqu'à la ligne vide",
         QStringLiteral("3\r\n") + legacyHead + glob + QStringLiteral("x\r\ny\r\n\r\n") + calcul, QString(),
         QStringLiteral("g")},
        {"version 1 : pas de données globales", QStringLiteral("1\r\n") + legacyHead + QStringLiteral("x\r\n\r\n") + calcul,
         QString(), QString()},
        {"ligne de version illisible : version 0",
         QStringLiteral("vieux\r\n") + legacyHead + QStringLiteral("\r\n") + calcul, QString(), QString()},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        TFichPb fp;
        fp.LoadFromString(c.texte);
        EXPECT_EQ(fp.MemoFich, c.memo);
        EXPECT_EQ(fp.FGlobData, c.glob);
        ASSERT_EQ(noms(fp), (QStringList{QStringLiteral("C1"), QStringLiteral("C2")}));
        const TDonneesAppli& da = *fp.Calculs()[0]->DAP;
        EXPECT_EQ(da.Indice, QStringLiteral("ind"));
        EXPECT_EQ(da.Repere, QStringLiteral("rep"));
        ASSERT_EQ(da.Data.Sections.size(), 1);
        EXPECT_EQ(da.Data.Sections[0].se_niveau, 2);
        EXPECT_TRUE(fp.Calculs()[1]->DAP->Data.Sections.isEmpty());
        EXPECT_FALSE(fp.DU.Modified());
        // Written again in the current format, it reads back the same.
        TFichPb relu;
        relu.LoadFromString(fp.SaveToString());
        EXPECT_EQ(relu.Calculs()[0]->CalcToStr(), fp.Calculs()[0]->CalcToStr());
    }
}

TEST(FichPb, SkipsUnreadableCalculationsAndEndsOnTrailingBlanks)
{
    TFichPb source;
    ajouter(source, QStringLiteral("avant"), {section(0)});
    ajouter(source, QStringLiteral("après"), {section(1)});
    QString texte = source.SaveToString();
    // A calculation whose section count is negative cannot be read.
    const QString illisible = BlocDelimite(QStringLiteral("cassé\r\n\r\n\r\n\r\ncomm\r\n-3\r\n"));
    const qsizetype apres = texte.indexOf(kBlocA + kCrLf + QStringLiteral("après"));
    texte.insert(apres, illisible);
    texte += QStringLiteral("\r\n  \r\n");

    TFichPb fp;
    fp.LoadFromString(texte);
    EXPECT_EQ(noms(fp), (QStringList{QStringLiteral("avant"), QStringLiteral("après")}));
    EXPECT_EQ(fp.NbCalculsIgnores, 1);
}

TEST(FichPb, ReadingEndsWhenNoCalculationCanBeCreated)
{
    DossierDefaut dossier;
    // The default calculation file exists but cannot be read.
    ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("Tolvanedefaut.txt")));
    const QString texte = QStringLiteral("5_1\r\n") + BlocDelimite({}) + BlocDelimite({})
        + BlocDelimite(QStringLiteral("a\r\n\r\n\r\n\r\n\r\n0\r\n"));
    TFichPb fp;
    EXPECT_THROW(fp.LoadFromString(texte), EInOutError);
    EXPECT_TRUE(fp.Calculs().isEmpty());
}

// A section line cut short keeps the default calculation's values for what it
// lacks: every calculation of one read takes them from the same default, and
// the next read takes them from the default file as edited in between.
TEST(FichPb, EachReadTakesTheDefaultFileAsItStands)
{
    DossierDefaut dossier;
    const auto ecrireDefaut = [](const char* rw) {
        QFile fichier(TDonneesAppli::defaultFilePath());
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write(QByteArray("1\r\n\r\n\r\nR\r\nc\r\n1\r\n0\t1\t0.8\t0\t2000\t5\t0.5\t0\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t")
                      + rw + "\t0.3\tdefaut\r\n");
    };
    // Name, index, date, mark, comment, count, then a section whose loads are cut.
    const QString calcul = QStringLiteral("\r\n\r\n\r\n\r\n\r\n1\r\n0\t0.6\t0.5\t0\t2000\t5\t0.5\t0\t0\tcoupé\r\n");
    QString texte = QStringLiteral("5_1\r\n") + BlocDelimite({}) + BlocDelimite({});
    for (const char* nom : {"a", "b", "c"})
        texte += BlocDelimite(QString::fromLatin1(nom) + calcul);
    for (const auto& [rw, attendu] : {std::pair{"13", 13.0}, std::pair{"42", 42.0}}) {
        SCOPED_TRACE(rw);
        ecrireDefaut(rw);
        TFichPb fp;
        fp.LoadFromString(texte);
        ASSERT_EQ(fp.Calculs().size(), 3);
        for (const TCalcul* c : fp.Calculs()) {
            ASSERT_EQ(c->DAP->Data.Sections.size(), 1);
            const TSection& s = c->DAP->Data.Sections[0];
            EXPECT_EQ(s.se_htrsec, 0.6) << "read from the document";
            EXPECT_EQ(s.se_chargeRW, attendu) << "kept from the default";
            EXPECT_EQ(s.se_comment, QStringLiteral("defaut"));
            EXPECT_FALSE(c->DAP->Modified());
        }
        TDonneesAppli nouveau;
        nouveau.InitDA();
        ASSERT_EQ(nouveau.Data.Sections.size(), 1);
        EXPECT_EQ(nouveau.Data.Sections[0].se_chargeRW, attendu) << "a new calculation after the read";
    }
}

TEST(FichPb, ModifiedStateFollowsTheChecksumsAndTheCounters)
{
    TFichPb fp;
    fp.LoadFromString(QStringLiteral("5_1\r\n") + BlocDelimite(QStringLiteral("m")) + BlocDelimite({})
                      + BlocDelimite(QStringLiteral("a\r\n\r\n\r\n\r\n\r\n0\r\n")));
    fp.CalCRCTabs(fp.TexteListeOnglets());
    fp.DU.SetModified(false);
    ASSERT_FALSE(fp.DU.Modified());

    const struct {
        const char* nom;
        void (*changer)(TFichPb&);
    } changements[] = {
        {"mémo", [](TFichPb& d) { d.MemoFich += u'!'; d.CalCRC(); }},
        {"données globales", [](TFichPb& d) { d.FGlobData += u'!'; d.CalCRC(); }},
        {"liste des onglets", [](TFichPb& d) { d.Calculs()[0]->nomtab = QStringLiteral("b"); d.CalCRCTabs(d.TexteListeOnglets()); }},
    };
    for (const auto& c : changements) {
        SCOPED_TRACE(c.nom);
        const std::uint32_t avant = fp.pbCRC;
        c.changer(fp);
        EXPECT_NE(fp.pbCRC, avant);
        EXPECT_TRUE(fp.Modified());
        EXPECT_TRUE(fp.DU.Modified());
        fp.DU.SetModified(false);
        EXPECT_FALSE(fp.DU.Modified());
    }

    // The header's properties are saved with the document: editing them
    // modifies the document, clearing makes them the clean state.
    fp.FH.SetValeur(QStringLiteral("comments"), QStringLiteral("relevé du 12 mars"));
    EXPECT_FALSE(fp.Modified());
    EXPECT_TRUE(fp.DU.Modified());
    fp.DU.SetModified(false);
    EXPECT_FALSE(fp.FH.Modified());
    EXPECT_FALSE(fp.DU.Modified());

    // Buttress data count through the calculation's own counter.
    TCalcul* c = fp.Calculs()[0];
    c->DAP->Data.Comment = QStringLiteral("changé");
    c->DAP->CalCRC();
    EXPECT_FALSE(fp.Modified());
    EXPECT_TRUE(c->DU->Modified());
    EXPECT_TRUE(fp.DU.Modified());
    fp.DU.SetModified(false);
    EXPECT_FALSE(c->DAP->Modified());
    EXPECT_FALSE(fp.DU.Modified());

    // Counted modifications say modified whatever the checksums.
    fp.DU.SetModified(true);
    EXPECT_TRUE(fp.DU.Modified());
    fp.DU.ClearActions();

    // Saving makes the document-level content clean again.
    fp.MemoFich = QStringLiteral("autre");
    fp.CalCRC();
    fp.SaveToString();
    EXPECT_FALSE(fp.Modified());

    // The empty tab list is fingerprinted with its length, like any buffer.
    fp.CalCRCTabs(QString());
    EXPECT_EQ(fp.CRCtabs, 0xDEBB20E3u);
}

TEST(FichPb, InitEmptiesTheDocumentAndLeavesItClean)
{
    TFichPb fp;
    fp.pathF = QStringLiteral("/tmp/ancien.Tolvane");
    fp.MemoFich = QStringLiteral("mémo de l'ancien document");
    fp.FGlobData = QStringLiteral("données globales de l'ancien document");
    fp.FH.SetValeur(QStringLiteral("comments"), QStringLiteral("ancien"));
    TCalcul* c = ajouter(fp, QStringLiteral("a"), {section(0)});
    fp.SetCalculsSel({c});
    fp.CalCRCTabs(fp.TexteListeOnglets());
    fp.DU.SetModified(true);

    fp.Init();
    EXPECT_TRUE(fp.pathF.isEmpty());
    EXPECT_TRUE(fp.MemoFich.isEmpty());
    EXPECT_TRUE(fp.FGlobData.isEmpty());
    EXPECT_TRUE(fp.Calculs().isEmpty());
    EXPECT_TRUE(fp.CalculsSel().isEmpty());
    EXPECT_TRUE(fp.FH.Strings().isEmpty());
    EXPECT_EQ(fp.DU.NbModifsFichier(), 0);
    EXPECT_FALSE(fp.DU.Modified());
    // The shell takes the fingerprints again (memo read back, tab list): the
    // untouched empty document stays clean and writes as a new one.
    fp.CalCRC();
    EXPECT_FALSE(fp.Modified());
    EXPECT_FALSE(fp.DU.Modified());
    TFichPb neuf;
    EXPECT_EQ(fp.SaveToString(), neuf.SaveToString());
}

TEST(FichPb, FindsCalculationsByTheirExactName)
{
    TFichPb fp;
    TCalcul* a = ajouter(fp, QStringLiteral("Nef"), {});
    TCalcul* b = ajouter(fp, QStringLiteral("nef"), {});
    ajouter(fp, QStringLiteral("nef"), {});
    EXPECT_EQ(fp.TabToCalcul(QStringLiteral("Nef")), a);
    EXPECT_EQ(fp.TabToCalcul(QStringLiteral("nef")), b);
    EXPECT_EQ(fp.TabToCalcul(QStringLiteral("NEF")), nullptr);
}

TEST(FichPb, OwnsItsCalculationsAlsoWhenTheyLeaveTheTabs)
{
    TFichPb fp;
    TCalcul* a = ajouter(fp, QStringLiteral("a"), {});
    TCalcul* nouveau = fp.NouveauCalcul();
    EXPECT_TRUE(fp.PossedeCalcul(nouveau));
    EXPECT_FALSE(fp.Calculs().contains(nouveau));
    fp.AddCalcul(nouveau);
    fp.SetCalculs({nouveau});
    EXPECT_EQ(fp.CalculsMisDeCote(), QList<TCalcul*>{a});
    EXPECT_EQ(fp.Calculs(), QList<TCalcul*>{nouveau});
}

TEST(FichPb, InitFreesThePreviousDocumentsCalculations)
{
    TFichPb fp;
    const TNumeroSerie a = ajouter(fp, QStringLiteral("a"), {section(0)})->NumeroSerie();
    TCalcul* b = ajouter(fp, QStringLiteral("b"), {});
    fp.SetCalculs({b}); // a's tab deleted: a is set aside
    ASSERT_EQ(fp.CalculsMisDeCote().size(), 1);

    fp.Init();
    EXPECT_EQ(fp.Calculs().size(), 0);
    EXPECT_EQ(fp.CalculsMisDeCote().size(), 0) << "the previous document's calculations are still owned";
    EXPECT_EQ(TObjetEdite::ParNumero(a), nullptr) << "set aside, then freed";

    // The next document starts from nothing of the previous one.
    ajouter(fp, QStringLiteral("c"), {});
    EXPECT_EQ(fp.Calculs().size(), 1);
    EXPECT_TRUE(fp.CalculsMisDeCote().isEmpty());
}

TEST(FichPb, EveryCalculationReceivesTheDocumentsCallbacks)
{
    int repeints = 0;
    TFichPb fp;
    TCalcul* avant = ajouter(fp, QStringLiteral("avant"), {});
    TDonneesAppli::Rappels rappels;
    rappels.resultatChange = [&](TDonneesAppli&) { ++repeints; };
    fp.SetRappelsModeles(rappels);
    TCalcul* apres = fp.NouveauCalcul();
    fp.LoadFromString(QStringLiteral("5_1\r\n") + BlocDelimite({}) + BlocDelimite({})
                      + BlocDelimite(QStringLiteral("lu\r\n\r\n\r\n\r\n\r\n0\r\n")));
    ASSERT_EQ(fp.Calculs().size(), 2);
    repeints = 0;
    for (TCalcul* c : {avant, apres, fp.Calculs()[1]})
        c->DAP->SetResultatCalcul(-1);
    EXPECT_EQ(repeints, 3);

    TCalcul seul; // outside any document: nothing plugged in
    seul.DAP->SetResultatCalcul(-1);
    EXPECT_EQ(repeints, 3);
}

TEST(Calcul, AssignCopiesNameAndDataOnlyFromACalculation)
{
    TCalcul source;
    source.nomtab = QStringLiteral("a");
    source.DAP->Data.Sections = {section(0), section(1)};
    source.DAP->CalCRC();

    TCalcul copie;
    copie.Assign(source);
    EXPECT_EQ(copie.nomtab, QStringLiteral("a(2)"));
    EXPECT_EQ(copie.CalcToStr(), source.CalcToStr());
    EXPECT_TRUE(copie.DU->Modified()) << "the copy is modified exactly when its source is";

    TObjTab pg(QStringLiteral("PG"));
    try {
        copie.Assign(pg);
        FAIL() << "a plain tab object cannot be assigned to a calculation";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("mauvaise assignation à TCalcul"));
    }

    TObjTab page;
    page.Assign(pg);
    EXPECT_EQ(page.nomtab, QStringLiteral("PG(2)"));
}

TEST(Calcul, CalculationWithAndWithoutValidation)
{
    FakePlatformServices fake;
    TFichPb fp;
    TCalcul* invalide = ajouter(fp, QStringLiteral("inv"), {section(0), section(0.04)});
    TCalcul* valide = ajouter(fp, QStringLiteral("ok"), {section(0, 1.0), section(3)});
    const QString message = QStringLiteral(
        "Section 2 : le niveau de la section doit être supérieur d'au moins 5 cm à celui de la précédente");

    // A calculation shows nothing: its outcome says what happened.
    const TIssueCalcul avecValidation = invalide->Calculer(true);
    EXPECT_EQ(avecValidation.etat, TIssueCalcul::Etat::DonneesInvalides);
    EXPECT_EQ(avecValidation.message, message);
    EXPECT_EQ(invalide->EtatCalcul(), -1);

    invalide->DAP->SetResultatCalcul(0);
    const TIssueCalcul sansValidation = invalide->Calculer(false);
    EXPECT_EQ(sansValidation.etat, TIssueCalcul::Etat::DonneesInvalides);
    EXPECT_EQ(sansValidation.message, message);
    EXPECT_EQ(invalide->EtatCalcul(), 0);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(valide->Calculer(true).Calcule());

    // The commands show the reason of each calculation not computed.
    valide->DAP->Data.Sections[0].se_maxExc.mx_combi.clear();

    // ExecCalculs runs the selected tabs with validation, CalculerTout every tab without.
    fake.messages.clear();
    fp.SetCalculsSel({invalide});
    fp.ExecCalculs();
    EXPECT_EQ(fake.messages, std::vector<QString>{message});
    EXPECT_EQ(invalide->EtatCalcul(), -1);
    EXPECT_EQ(valide->DAP->Data.Sections[0].se_maxExc.mx_combi, QString()) << "not selected, not computed";
    fp.CalculerTout();
    EXPECT_EQ(valide->DAP->Data.Sections[0].se_maxExc.mx_combi, QStringLiteral("1.35 G"));
    EXPECT_EQ(fake.messages.size(), 2u);

    // Corrected data computed with validation clear the invalid mark.
    invalide->DAP->Data.Sections[1].se_niveau = 1;
    fake.messages.clear();
    EXPECT_TRUE(invalide->Calculer(true).Calcule());
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(invalide->EtatCalcul(), 0);
    EXPECT_FALSE(invalide->DAP->Data.Sections[0].se_maxExc.mx_combi.isEmpty());
}

TEST(Calcul, ASuccessfulCalculationClearsTheInvalidMarkWhicheverWayItWasStarted)
{
    FakePlatformServices fake;
    TFichPb fp;
    TCalcul* c = ajouter(fp, QStringLiteral("c"), {section(0), section(0.04)});
    const std::function<void()> sansValidation[] = {
        [c] { c->Calculer(false); },
        [&fp] { fp.CalculerTout(); },
        [c] { c->DAP->Calculer(); },
    };
    for (const auto& calculer : sansValidation) {
        c->DAP->Data.Sections[1].se_niveau = 0.04;
        ASSERT_FALSE(c->Calculer(true).Calcule());
        ASSERT_EQ(c->EtatCalcul(), -1);
        calculer();
        EXPECT_EQ(c->EtatCalcul(), -1) << "still invalid: the mark stays";
        c->DAP->Data.Sections[1].se_niveau = 2; // corrected
        calculer();
        EXPECT_EQ(c->EtatCalcul(), 0) << "computed: no longer marked invalid";
    }
}

TEST(Calcul, ReadsTheSheetOnlyOnceShown)
{
    int lectures = 0;
    int affichages = 0;
    TDonneesAppli::Rappels rappels;
    rappels.lireFiche = [&](TDonneesAppli&) { ++lectures; };
    rappels.afficherDonnees = [&](TDonneesAppli&) { ++affichages; };
    TCalcul c;
    c.DAP->setRappels(rappels);
    c.LireFiche();
    EXPECT_EQ(lectures, 0);
    c.AfficherDonnees();
    c.LireFiche();
    EXPECT_EQ(affichages, 1);
    EXPECT_EQ(lectures, 1);
}

TEST(FichPb, DocumentFilesRoundTripWithTheirHeader)
{
    FakePlatformServices fake;
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("église.Tolvane"));
    TFichPb fp;
    fp.MemoFich = QStringLiteral("Mémo : voûte d'ogives");
    fp.FH.SetValeur(QStringLiteral("comments"), QStringLiteral("relevé\r\n2024"));
    ajouter(fp, QStringLiteral("Contrefort nord"), {section(0, 1.2), section(4)});
    EnregistrerDocument(fp, chemin);
    EXPECT_FALSE(fp.DU.Modified());
    EXPECT_FALSE(fp.FH.Modified());

    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    f.close();
    EXPECT_TRUE(octets.startsWith("TFileHeader V1.00 030504 01234voktasq43210\r\ncomments=relev\xE9\x07" "2024\r\n\r\n5_1\r\n"));
    EXPECT_TRUE(octets.contains("M\xE9mo : vo\xFBte")) << "the body is in the ANSI code page";

    const auto relu = LireDocument(chemin);
    EXPECT_EQ(relu->MemoFich, fp.MemoFich);
    EXPECT_EQ(relu->FH.GetValeur(QStringLiteral("COMMENTS")), QStringLiteral("relevé\r\n2024"));
    EXPECT_EQ(relu->pathF, chemin);
    ASSERT_NE(relu->TabToCalcul(QStringLiteral("Contrefort nord")), nullptr);
    EXPECT_FALSE(relu->DU.Modified());

    // Saved again unchanged, the file is identical byte for byte.
    const QString copie = dir.filePath(QStringLiteral("copie.Tolvane"));
    EnregistrerDocument(*relu, copie);
    QFile g(copie);
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    EXPECT_EQ(g.readAll(), octets);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(FichPb, ReadsFilesWithoutHeaderOrReencodedByAnotherEditor)
{
    QTemporaryDir dir;
    TFichPb source;
    source.MemoFich = QStringLiteral("voûte");
    ajouter(source, QStringLiteral("é"), {section(0)});
    const QString corps = source.SaveToString();
    const QByteArray entete = "TFileHeader V1.00 030504 01234voktasq43210\r\nauteur=Zoé\r\n\r\n";
    auto utf16 = [](QStringConverter::Encoding codage, const QString& texte) {
        QStringEncoder encodeur(codage, QStringEncoder::Flag::WriteBom);
        return QByteArray(encodeur.encode(texte));
    };
    const struct {
        const char* nom;
        QByteArray octets;
        QString auteur;
    } cas[] = {
        {"sans en-tête", AnsiCodePage::fromUnicode(corps), QString()},
        {"UTF-8 avec marque", "\xEF\xBB\xBF" + entete + corps.toUtf8(), QStringLiteral("Zoé")},
        {"UTF-8 sans en-tête", "\xEF\xBB\xBF" + corps.toUtf8(), QString()},
        {"UTF-16 avec marque", utf16(QStringConverter::Utf16LE, QString::fromUtf8(entete) + corps), QStringLiteral("Zoé")},
        {"UTF-16 gros-boutiste sans en-tête", utf16(QStringConverter::Utf16BE, corps), QString()},
        // Lines ended by LF alone (a Linux tool), or both kinds mixed.
        {"LF seuls", AnsiCodePage::fromUnicode(QString::fromUtf8(entete) + corps).replace("\r\n", "\n"),
         QStringLiteral("Zoé")},
        {"LF seuls en UTF-16", utf16(QStringConverter::Utf16LE, QString(QString::fromUtf8(entete) + corps).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))),
         QStringLiteral("Zoé")},
        {"fins de ligne mêlées", AnsiCodePage::fromUnicode(QString::fromUtf8(entete) + corps).replace("\r\n<", "\n<"),
         QStringLiteral("Zoé")},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const QString chemin = dir.filePath(QStringLiteral("d.Tolvane"));
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.octets);
        f.close();
        const auto fp = LireDocument(chemin);
        EXPECT_EQ(fp->MemoFich, QStringLiteral("voûte"));
        EXPECT_EQ(fp->FH.GetValeur(QStringLiteral("auteur")), c.auteur);
        EXPECT_EQ(noms(*fp), QStringList{QStringLiteral("é")});
        ASSERT_EQ(fp->Calculs().size(), 1);
        EXPECT_EQ(fp->Calculs()[0]->DAP->Data.Sections.size(), 1);
        // Saved again, it has CR LF line ends only.
        const QString copie = dir.filePath(QStringLiteral("copie.Tolvane"));
        fp->Ecrire(copie);
        QFile relu(copie);
        ASSERT_TRUE(relu.open(QIODevice::ReadOnly));
        const QByteArray octets = relu.readAll();
        EXPECT_EQ(octets.count('\n'), octets.count("\r\n"));
    }
}

TEST(FichPb, FailuresToReadOrWriteAreReported)
{
    QTemporaryDir dir;
    bool ok = true;
    bool modif = true;
    TFichPb fp;
    fp.Lire(dir.path(), ok, modif);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(modif);
    EXPECT_FALSE(fp.DerniereErreur.isEmpty());

    for (const QString& chemin : {dir.filePath(QStringLiteral("absent.Tolvane")), dir.path()}) {
        try {
            LireDocument(chemin);
            ADD_FAILURE() << "no document at " << chemin.toStdString();
        } catch (const EInOutError& e) {
            EXPECT_TRUE(e.message().contains(chemin));
        }
    }

    TFichPb doc;
    doc.MemoFich = QStringLiteral("à garder");
    doc.CalCRC();
    ASSERT_TRUE(doc.DU.Modified());
    EXPECT_THROW(doc.Ecrire(dir.filePath(QStringLiteral("absent/d.Tolvane"))), EInOutError);
    EXPECT_TRUE(doc.DU.Modified()) << "an unsaved memo must still be reported";
}

TEST(FichPb, ASaveOntoAFullDiskKeepsThePreviousDocumentAndStaysModified)
{
    FullDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system can be mounted here; the writer's injected failures cover it";
    const QString chemin = disk.filePath(QStringLiteral("eglise.Tolvane"));
    TFichPb doc;
    doc.MemoFich = QStringLiteral("première version");
    ajouter(doc, QStringLiteral("C1"), {section(0), section(1.5)});
    doc.CalCRC();
    doc.Ecrire(chemin);
    QFile avant(chemin);
    ASSERT_TRUE(avant.open(QIODevice::ReadOnly));
    const QByteArray octetsAvant = avant.readAll();
    avant.close();
    ASSERT_GT(octetsAvant.size(), 0);

    doc.MemoFich = QStringLiteral("seconde version, jamais perdue");
    doc.CalCRC();
    ASSERT_TRUE(doc.DU.Modified());
    disk.fill();
    try {
        doc.Ecrire(chemin);
        ADD_FAILURE() << "a save onto a full disk cannot succeed";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("disque plein"))) << e.message().toStdString();
    }
    EXPECT_TRUE(doc.DU.Modified()) << "the document is not reported saved";
    QFile apres(chemin);
    ASSERT_TRUE(apres.open(QIODevice::ReadOnly));
    EXPECT_EQ(apres.readAll(), octetsAvant) << "the previous document is untouched";
}
