#include "model/ButtressText.h"
#include "model/DonneesAppli.h"
#include "util/Checksum.h"
#include "util/Errors.h"
#include "util/TextFields.h"
#include "util/TextFiles.h"
#include "support/FakePlatformServices.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

namespace {

TSection validSection(double niveau)
{
    TSection s;
    s.se_niveau = niveau;
    s.se_htrsec = 0.6;
    s.se_lrgsec = 0.5;
    s.se_mvol = 2000;
    s.se_resistance = 5;
    s.se_angfrottrad = 0.5;
    return s;
}

// A default-calculation folder of its own for the length of a test.
class DefaultFolder {
public:
    DefaultFolder() { TDonneesAppli::setDefaultFolder(dir_.path()); }
    ~DefaultFolder() { TDonneesAppli::setDefaultFolder(empty_.path()); }
    void write(const QByteArray& bytes) const
    {
        QFile file(TDonneesAppli::defaultFilePath());
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

private:
    QTemporaryDir dir_;
    QTemporaryDir empty_;
};

} // namespace

TEST(ValiderDonnees, ReportsTheFirstInvalidSection)
{
    const struct {
        const char* name;
        void (*spoil)(TSection&);
        const char16_t* message; // empty: valid
    } cases[] = {
        {"valide", [](TSection&) {}, u""},
        {"niveau trop proche", [](TSection& s) { s.se_niveau = 0.04; },
         u"Section 2 : le niveau de la section doit être supérieur d'au moins 5 cm à celui de la précédente"},
        {"niveau exactement 5 cm", [](TSection& s) { s.se_niveau = 0.05; }, u""},
        {"longueur nulle", [](TSection& s) { s.se_htrsec = 0; }, u"Section 2 : la largeur ou la hauteur est <= 0"},
        {"longueur et largeur négatives", [](TSection& s) { s.se_htrsec = s.se_lrgsec = -1; },
         u"Section 2 : la largeur ou la hauteur est <= 0"},
        {"masse volumique nulle", [](TSection& s) { s.se_mvol = 0; }, u"Section 2 : la masse volumique est <= 0"},
        {"résistance nulle", [](TSection& s) { s.se_resistance = 0; }, u"Section 2 : la résistance est <= 0"},
        {"angle nul", [](TSection& s) { s.se_angfrottrad = 0; }, u"Section 2 : l'angle de frottement est <= 0"},
        {"gouttereau négatif", [](TSection& s) { s.se_pdsgouttml = -1; },
         u"Section 2 : le poids de mur gouttereau associé est < 0"},
        {"distance négative", [](TSection& s) { s.se_posigoutt = -0.01; },
         u"Section 2 : la distance poids gouttereau / parement tolvane doit être > 0"},
        {"gouttereau et distance nuls", [](TSection& s) { s.se_pdsgouttml = s.se_posigoutt = 0; }, u""},
    };
    for (const auto& c : cases) {
        FakePlatformServices platform;
        TDonneesAppli da;
        da.Data.Sections = {validSection(0), validSection(1), validSection(2)};
        c.spoil(da.Data.Sections[1]);
        const QString expected = QString::fromUtf16(c.message);
        // The pure question first: it shows nothing.
        EXPECT_EQ(da.ErreurValidation().value_or(QString()), expected) << c.name;
        EXPECT_TRUE(platform.messages.empty()) << c.name;
        EXPECT_EQ(da.ValiderDonnees(), expected.isEmpty()) << c.name;
        EXPECT_EQ(da.DonneesValides, expected.isEmpty()) << c.name;
        if (expected.isEmpty()) {
            EXPECT_TRUE(platform.messages.empty()) << c.name;
            EXPECT_TRUE(da.Data.Sections[2].se_derniere);
            EXPECT_FALSE(da.Data.Sections[1].se_derniere);
        } else {
            ASSERT_EQ(platform.messages.size(), 1u) << c.name;
            EXPECT_EQ(platform.messages[0], expected) << c.name;
        }
    }
}

TEST(ValiderDonnees, ComparesLevelsWithoutTolerance)
{
    FakePlatformServices platform;
    TDonneesAppli da;
    da.Data.Sections = {validSection(1.1), validSection(1.15)};
    EXPECT_FALSE(da.ValiderDonnees()); // 1.1 + 0.05 > 1.15 in double precision
    da.Data.Sections = {validSection(0), validSection(0), validSection(0)};
    da.Data.Sections[2].se_mvol = 0;
    EXPECT_FALSE(da.ValiderDonnees());
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(platform.messages[1].startsWith(QStringLiteral("Section 2 : le niveau")));
    da.Data.Sections.clear();
    EXPECT_TRUE(da.ValiderDonnees());
}

TEST(ButtressText, WritesTheSpecifiedLines)
{
    TDonneesAppli da;
    da.Indice = QStringLiteral("B");
    da.DateIndice = QStringLiteral("12/2026");
    da.Repere = QStringLiteral("C1");
    da.Data.Comment = QStringLiteral("contrefort\tnord");
    da.Data.Sections = {validSection(0)};
    EXPECT_EQ(da.DAToStr(),
              QStringLiteral("B\r\n12/2026\r\nC1\r\ncontrefort nord\r\n1\r\n"
                             "0\t0.6\t0.5\t0\t2000\t5\t0.5\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\r\n"));

    TDonneesAppli empty;
    QString text = empty.DAToStr();
    EXPECT_EQ(text, QStringLiteral("\r\n\r\n\r\n\r\n0\r\n"));
    TDonneesAppli back;
    back.Data.Sections = {validSection(3)};
    back.StrToDA(text);
    EXPECT_TRUE(back.Data.Sections.isEmpty());
    EXPECT_TRUE(text.isEmpty());
}

// A model read from a text takes the fingerprint of the text it writes, not of
// the text it was read from: a file written by hand or by another tool, read
// and saved again untouched, must not count as modified, and one whose text
// is rewritten on reading must not pass for the file as it was.
TEST(ButtressText, ReadingTakesTheFingerprintOfTheWrittenText)
{
    const QString ligneEcrite = QStringLiteral("0\t0.6\t0.5\t0\t2000\t5\t0.5\t0\t0\t150\t-2000\t0\t-0.333333333333333"
                                               "\t0\t0\t0\t0\t0\t0\t0\t-1E-5\t75\t0.35\th < 2 m\r\n");
    const QString lignes[] = {
        ligneEcrite,
        QStringLiteral("0\t0.60\t+0.5\t0.0\t2E3\t5\t.5\t-0\t0\t150\t-2000\t0\t-0.3333333333333333\t0\t0\t0\t0"
                       "\t0\t0\t0\t-0.00001\t75\t0.35\th < 2 m\r\n"),
        QStringLiteral("1\t0.6\t0.5\t0\t2000\t5\t0.5\t0\t0\t1\t2\tx\t3\r\n"), // garbled point load
        QStringLiteral("2\t0.6\r\n"),                                                      // short line
        QStringLiteral("\r\n"),                                                             // empty line
        QStringLiteral("3\t 0.6\t0.5\t0\t2000\t5\t0.5\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t"
                       "tab\there, ctrl\x01 and α\r\n"),
        QStringLiteral("4\t0.6\t0.5\t0\t2000\t5\t0.5\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\tété €\r\n"),
        QStringLiteral("1234567890123456\t1E15\t0.00001\t123456.789\t0.0001\tNAN\t1e-300\t1E400\t0\t0\t0\t0\t0\t0"
                       "\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\r\n"),
    };
    const QString entetes[] = {
        QStringLiteral("B\r\n12/2026\r\nC1\r\nÉglise Saint-Éloi\r\n"),
        QStringLiteral("\r\n\r\n\r\ncommentaire\tavec tabulation et Ω\r\n"),
    };
    // Every header with every count form and every subset of lines, the last
    // line with or without its line end.
    int essais = 0;
    for (const QString& entete : entetes) {
        for (int masque = 0; masque < (1 << std::size(lignes)); masque += 7) {
            QString corps;
            int n = 0;
            for (std::size_t i = 0; i < std::size(lignes); ++i)
                if (masque & (1 << i)) {
                    corps += lignes[i];
                    ++n;
                }
            for (const QString& compte : {QString::number(n), QStringLiteral("0%1").arg(n), QString::number(n + 2)}) {
                for (const bool finCoupee : {false, true}) {
                    QString texte = entete + compte + QStringLiteral("\r\n") + corps;
                    if (finCoupee && texte.endsWith(QStringLiteral("\r\n")))
                        texte.chop(2);
                    TDonneesAppli lu;
                    lu.StrToDA(texte);
                    EXPECT_EQ(lu.DA_CRC, Checksum::ofText(lu.DAToStr())) << entete.toStdString() << " " << masque;
                    ++essais;
                }
            }
        }
    }
    EXPECT_GT(essais, 100);

    // The written line itself is taken as it is, and a rewritten one is not.
    TSection s;
    QString ligne = ligneEcrite;
    ligne.chop(2);
    TexteVersSection(ligne, s);
    EXPECT_TRUE(EstTexteDeSection(ligne, s));
    EXPECT_EQ(SectionVersTexte(s), ligneEcrite);
    s.se_chargeRQ[1] = std::nextafter(s.se_chargeRQ[1], 0.0);
    EXPECT_EQ(EstTexteDeSection(ligne, s), SectionVersTexte(s) == ligneEcrite);
    s.se_comment += QStringLiteral("\t");
    EXPECT_FALSE(EstTexteDeSection(ligne, s));
}

TEST(ButtressText, WriteReadWriteIsIdentical)
{
    TDonneesAppli da;
    da.Repere = QStringLiteral("Contrefort n°3");
    da.Data.Comment = QStringLiteral("Église Saint-Éloi");
    TSection s = validSection(0);
    s.se_pdsgouttml = 1234.5;
    s.se_posigoutt = 0.25;
    s.se_chargePG = {150, -2000};
    s.se_chargePS = {0, -1.0 / 3};
    s.se_chargePW = {300, 0};
    s.se_chargePQ = {0, -500};
    s.se_chargeRG = {10, -20};
    s.se_chargeRQ = {0, -0.00001};
    s.se_chargeRW = 75;
    s.se_posicharge = 0.35;
    s.se_comment = QStringLiteral("h < 2 m & pile");
    da.Data.Sections = {s, validSection(2.5)};
    const QString first = da.DAToStr();
    QString consumed = first + QStringLiteral("suite");
    TDonneesAppli back;
    back.StrToDA(consumed);
    EXPECT_EQ(consumed, QStringLiteral("suite"));
    EXPECT_EQ(back.DAToStr(), first);
    EXPECT_EQ(back.Data.Sections[0].se_chargePS[1], -0.333333333333333);
    EXPECT_EQ(back.Data.Sections[0].se_comment, QStringLiteral("h < 2 m & pile"));
    da.CalCRC();
    EXPECT_EQ(back.DA_CRC, da.DA_CRC);

    // Loaded (clean), then saved and read again without change: still clean.
    back.ClearModified();
    QString saved = back.DAToStr();
    back.StrToDA(saved);
    EXPECT_FALSE(back.Modified());
    back.Data.Sections[1].se_comment = QStringLiteral("retouché");
    back.CalCRC();
    EXPECT_TRUE(back.Modified());
}

TEST(ButtressText, ToleratesShortAndGarbledLines)
{
    TData data;
    QString shortText = QStringLiteral("c\r\n2\r\n1\t0.6\t0.5\t0\t2000\t5\t0.5\t0\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\tcom\r\n");
    TexteVersData(shortText, data);
    ASSERT_EQ(data.Sections.size(), 2);
    EXPECT_EQ(data.Sections[0].se_chargeRQ, (TV2R{11, 12}));
    EXPECT_EQ(data.Sections[0].se_chargeRW, 13);
    EXPECT_EQ(data.Sections[0].se_posicharge, 14);
    EXPECT_EQ(data.Sections[0].se_comment, QStringLiteral("com"));
    EXPECT_EQ(data.Sections[1].se_niveau, 0); // read from an empty line: all zero
    EXPECT_EQ(data.Sections[1].se_comment, QString());

    // Letters in the eleventh field: fields 1 to 10 as read, the rest as before.
    TSection before = validSection(0);
    before.se_chargePG = {-1, -1};
    before.se_chargePS = {-2, -2};
    before.se_posicharge = 9;
    before.se_comment = QStringLiteral("avant");
    TexteVersSection(QStringLiteral("4\t1\t1\t0\t1800\t3\t0.6\t0\t0\t77\tabc\t5\t5\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\tnouveau"),
                     before);
    EXPECT_EQ(before.se_niveau, 4);
    EXPECT_EQ(before.se_chargePG, (TV2R{77, -1}));
    EXPECT_EQ(before.se_chargePS, (TV2R{-2, -2}));
    EXPECT_EQ(before.se_posicharge, 9);
    EXPECT_EQ(before.se_comment, QStringLiteral("avant"));

    // A comment written by another tool may hold TABs: kept verbatim.
    TSection withTabs;
    TexteVersSection(QStringLiteral("0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\ta\tb "), withTabs);
    EXPECT_EQ(withTabs.se_comment, QStringLiteral("a\tb "));
    TSection tab;
    tab.se_comment = QStringLiteral("a\tb");
    EXPECT_TRUE(SectionVersTexte(tab).endsWith(QStringLiteral("\ta b\r\n")));

    // Existing sections keep their values when the count grows.
    TData kept;
    kept.Sections = {validSection(5)};
    kept.Sections[0].se_chargePG = {3, 4};
    kept.Sections[0].se_posicharge = 7;
    QString countOnly = QStringLiteral("c\r\n1\r\n");
    TexteVersData(countOnly, kept);
    EXPECT_EQ(kept.Sections[0].se_niveau, 0);
    EXPECT_EQ(kept.Sections[0].se_mvol, 0);
    EXPECT_EQ(kept.Sections[0].se_chargePG, (TV2R{3, 4}));
    EXPECT_EQ(kept.Sections[0].se_posicharge, 7);
}

TEST(ButtressText, RefusesANegativeCountAndKeepsTheCommentOfAnAbsurdOne)
{
    TData negative;
    QString text = QStringLiteral("c\r\n-1\r\n");
    EXPECT_THROW(TexteVersData(text, negative), ERangeError);

    FakePlatformServices platform;
    TData absurd;
    text = QStringLiteral("c\r\n2000000000\r\n");
    TexteVersData(text, absurd);
    EXPECT_EQ(absurd.Comment, QStringLiteral("c"));
    EXPECT_TRUE(absurd.Sections.empty());
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST(InitDA, ReadsTheDefaultFileAndStaysClean)
{
    DefaultFolder folder;
    TDonneesAppli empty;
    empty.Repere = QStringLiteral("x");
    empty.Data.Sections = {validSection(0)};
    empty.InitDA(); // no default file
    EXPECT_TRUE(empty.Repere.isEmpty());
    EXPECT_TRUE(empty.Data.Sections.isEmpty());
    EXPECT_FALSE(empty.Modified());

    TDonneesAppli source;
    source.Indice = QStringLiteral("A");
    source.DateIndice = QStringLiteral("hier");
    source.Repere = QStringLiteral("Défaut");
    source.Data.Comment = QStringLiteral("modèle");
    source.Data.Sections = {validSection(0), validSection(1.0 / 3)};
    EnregistrerCommeDefaut(source);
    QFile file(TDonneesAppli::defaultFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("1\r\nA\r\nhier\r\nD\xE9" "faut\r\nmod\xE8le\r\n2\r\n"));

    TDonneesAppli fresh;
    fresh.InitDA();
    EXPECT_EQ(fresh.Repere, QStringLiteral("Défaut"));
    EXPECT_EQ(fresh.Data.Comment, QStringLiteral("modèle"));
    EXPECT_TRUE(fresh.Indice.isEmpty());
    EXPECT_TRUE(fresh.DateIndice.isEmpty());
    ASSERT_EQ(fresh.Data.Sections.size(), 2);
    EXPECT_EQ(fresh.Data.Sections[1].se_niveau, 0.333333333333333);
    EXPECT_FALSE(fresh.Modified());
    EXPECT_EQ(fresh.ResultatCalcul(), 0);

    // Any first line is skipped the same way; a garbled file gives an empty model.
    folder.write("format 9\r\n\r\n\r\nR\r\nc\r\n0\r\n");
    fresh.InitDA();
    EXPECT_EQ(fresh.Repere, QStringLiteral("R"));
    folder.write("1\r\n\r\n\r\nR\r\nc\r\n-4\r\n");
    fresh.InitDA();
    EXPECT_TRUE(fresh.Repere.isEmpty());
    EXPECT_TRUE(fresh.Data.Sections.isEmpty());
}

// Every new calculation starts from the default file as it stands now, even
// when it was rewritten with a text of the same length, and what one model
// does with its data never reaches the next one.
TEST(InitDA, FollowsEveryEditOfTheDefaultFile)
{
    DefaultFolder folder;
    folder.write("1\r\n\r\n\r\nAB\r\nc\r\n1\r\n0\t1\t0.8\r\n");
    TDonneesAppli premier;
    premier.InitDA();
    EXPECT_EQ(premier.Repere, QStringLiteral("AB"));
    ASSERT_EQ(premier.Data.Sections.size(), 1);
    premier.Data.Sections.append(validSection(2));
    premier.Data.Sections[0].se_htrsec = 9;

    TDonneesAppli second;
    second.InitDA();
    EXPECT_EQ(second.Repere, QStringLiteral("AB"));
    ASSERT_EQ(second.Data.Sections.size(), 1);
    EXPECT_EQ(second.Data.Sections[0].se_htrsec, 1);
    EXPECT_EQ(second.DA_CRC, [] {
        TDonneesAppli attendu;
        attendu.Repere = QStringLiteral("AB");
        attendu.Data.Comment = QStringLiteral("c");
        TSection s;
        s.se_htrsec = 1;
        s.se_lrgsec = 0.8;
        attendu.Data.Sections = {s};
        attendu.CalCRC();
        return attendu.DA_CRC;
    }()) << "the checksum is that of the model read";
    EXPECT_FALSE(second.Modified());

    folder.write("1\r\n\r\n\r\nCD\r\nc\r\n1\r\n0\t2\t0.8\r\n");
    second.InitDA();
    EXPECT_EQ(second.Repere, QStringLiteral("CD"));
    ASSERT_EQ(second.Data.Sections.size(), 1);
    EXPECT_EQ(second.Data.Sections[0].se_htrsec, 2);
}

// Within one scope (one document read) the default file is read by the first
// new calculation only: an edit made meanwhile reaches the calculations created
// after the scope, never half of those created within it.
TEST(InitDA, ReadsTheDefaultFileOncePerScope)
{
    DefaultFolder folder;
    const auto repere = [] {
        TDonneesAppli da;
        da.InitDA();
        return da.Repere;
    };
    const struct {
        const char* name;
        const char* avant; // default file when the scope opens; empty: no file
        const char* apres; // written after the first new calculation
        const char16_t* reperePendant;
        const char16_t* repereApres;
    } cases[] = {
        {"fichier modifié", "1\r\n\r\n\r\nAB\r\nc\r\n0\r\n", "1\r\n\r\n\r\nCD\r\nc\r\n0\r\n", u"AB", u"CD"},
        {"fichier créé", "", "1\r\n\r\n\r\nCD\r\nc\r\n0\r\n", u"", u"CD"},
        {"fichier vidé", "1\r\n\r\n\r\nAB\r\nc\r\n0\r\n", "", u"AB", u""},
        {"fichier illisible remplacé", "1\r\n\r\n\r\nAB\r\nc\r\n-4\r\n", "1\r\n\r\n\r\nCD\r\nc\r\n0\r\n", u"", u"CD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(TDonneesAppli::defaultFilePath());
        if (*c.avant)
            folder.write(c.avant);
        {
            const TDonneesAppli::DefautLuUneFois portee;
            EXPECT_EQ(repere(), QString::fromUtf16(c.reperePendant));
            folder.write(c.apres);
            EXPECT_EQ(repere(), QString::fromUtf16(c.reperePendant));
            {
                const TDonneesAppli::DefautLuUneFois interieure; // keeps the outer text
                EXPECT_EQ(repere(), QString::fromUtf16(c.reperePendant));
            }
            EXPECT_EQ(repere(), QString::fromUtf16(c.reperePendant));
        }
        EXPECT_EQ(repere(), QString::fromUtf16(c.repereApres));
    }

    // A scope opened before any new calculation reads the file as it stands at
    // the first one, not at its opening.
    folder.write("1\r\n\r\n\r\nAB\r\nc\r\n0\r\n");
    const TDonneesAppli::DefautLuUneFois portee;
    folder.write("1\r\n\r\n\r\nEF\r\nc\r\n0\r\n");
    EXPECT_EQ(repere(), QStringLiteral("EF"));
}

TEST(CopierDA, CopiesDataAndModifiedState)
{
    TDonneesAppli clean;
    clean.InitDA();
    QString text = QStringLiteral("i\r\nd\r\nR\r\nc\r\n1\r\n0\t1\t1\t0\t1\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\r\n");
    clean.StrToDA(text);
    clean.ClearModified();
    TDonneesAppli copy;
    copy.CopierDA(clean);
    EXPECT_FALSE(copy.Modified());
    EXPECT_EQ(copy.DAToStr(), clean.DAToStr());

    clean.Data.Sections[0].se_htrsec = 2;
    clean.CalCRC();
    ASSERT_TRUE(clean.Modified());
    TDonneesAppli modified;
    modified.CopierDA(clean);
    EXPECT_TRUE(modified.Modified());
    EXPECT_EQ(modified.Data.Sections[0].se_htrsec, 2);

    // Copied onto itself, a model keeps its data and its modified state.
    const QString before = clean.DAToStr();
    clean.CopierDA(clean);
    EXPECT_EQ(clean.DAToStr(), before);
    EXPECT_TRUE(clean.Modified());
}

TEST(DonneesAppli, HooksAndSmallOperations)
{
    TDonneesAppli da;
    TDonneesAppli autre;
    int changes = 0;
    bool shownWhileDisplaying = false;
    TDonneesAppli::Rappels rappels;
    rappels.resultatChange = [&](TDonneesAppli& changed) {
        EXPECT_EQ(&changed, &da);
        ++changes;
    };
    rappels.afficherDonnees = [&](TDonneesAppli& shown) {
        shownWhileDisplaying = shown.AffichageEnCours;
        throw ETolvane(QStringLiteral("échec d'affichage"));
    };
    rappels.lireFiche = [](TDonneesAppli& read) { read.Data.Comment = QStringLiteral("lu"); };
    da.setRappels(rappels);

    da.SetResultatCalcul(-1);
    EXPECT_EQ(da.ResultatCalcul(), -1);
    EXPECT_EQ(changes, 1);
    autre.SetResultatCalcul(-1); // the callbacks belong to one model
    EXPECT_EQ(changes, 1);

    EXPECT_THROW(da.AfficherDonnees(), ETolvane);
    EXPECT_TRUE(shownWhileDisplaying);
    EXPECT_FALSE(da.AffichageEnCours);
    EXPECT_NO_THROW(autre.AfficherDonnees());

    da.CalCRC();
    da.ClearModified();
    da.LireFiche();
    EXPECT_TRUE(da.Modified());
    autre.CalCRC();
    autre.ClearModified();
    autre.LireFiche();
    EXPECT_FALSE(autre.Modified());

    EXPECT_EQ(da.TexteNdc(QStringLiteral("Onglet 1")), QString());
    EXPECT_EQ(LibelleNiveau(0), QStringLiteral("SATISFAISANT"));
    EXPECT_EQ(LibelleNiveau(1), QStringLiteral("ACCEPTABLE"));
    EXPECT_EQ(LibelleNiveau(2), QStringLiteral("NON CONFORME"));
    EXPECT_EQ(CouleurNiveau(2), QStringLiteral("#FF99CC"));
}
