#include "QStringPrinter.h"
#include "report/CalculationNote.h"
#include "report/HtmlDocument.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Cellule {
    QString attributs;
    QString texte;
};
using Ligne = QList<Cellule>;

// The note's tables, each a list of rows of cells, read back from its HTML.
QList<QList<Ligne>> Tables(const QString& corps)
{
    static const QRegularExpression kCellule(QStringLiteral("<TD ([^>]*)>(.*?)</TD>\r\n"));
    QList<QList<Ligne>> tables;
    for (const QString& table : corps.split(QStringLiteral("</TABLE>"), Qt::SkipEmptyParts)) {
        QList<Ligne> lignes;
        for (const QString& tr : table.split(QStringLiteral("<TR >\r\n")).mid(1)) {
            Ligne ligne;
            auto it = kCellule.globalMatch(tr);
            while (it.hasNext()) {
                const auto m = it.next();
                ligne.append({m.captured(1), m.captured(2)});
            }
            lignes.append(ligne);
        }
        tables.append(lignes);
    }
    return tables;
}

QStringList Textes(const Ligne& ligne)
{
    QStringList textes;
    for (const Cellule& c : ligne)
        textes.append(c.texte);
    return textes;
}

TSection SectionCalculee()
{
    TSection s;
    s.se_htrsec = 0.6;
    s.se_lrgsec = 0.5;
    s.se_maxCtr.mx_combi = QStringLiteral("1.35 G");
    s.se_maxExc.mx_combi = QStringLiteral("1.35 G");
    s.se_maxAng.mx_combi = QStringLiteral("0.90 G + 1.50 W");
    return s;
}

QStringList Repete(const QStringList& liste, int fois)
{
    QStringList resultat;
    for (int i = 0; i < fois; ++i)
        resultat += liste;
    return resultat;
}

constexpr double kPi = 3.141592653589793;

} // namespace

TEST(CalculationNote, StyleSheetHasTheFiveRules)
{
    EXPECT_EQ(EnteteNdC(), QStringLiteral("<style type=\"text/css\">\r\n"
                                          "TABLE { font-family: Calibri,Arial }\r\n"
                                          "TD.TITRE { font-weight: bold }\r\n"
                                          "TD.OK { font-weight: bold; background-color: #92D050 }\r\n"
                                          "TD.Acc { font-weight: bold; background-color: #FFCC99 }\r\n"
                                          "TD.NOK { font-weight: bold; background-color: #FF99CC }\r\n"
                                          "</style>\r\n"));
    TData data;
    data.Sections.append(SectionCalculee());
    EXPECT_EQ(PageNdC(data, true), PageHtmlAvecCorps(EnteteNdC(), CorpsNdC(data, true)));
}

TEST(CalculationNote, TablesHaveTheirTitlesHeadingsAndOneRowPerSection)
{
    TData data;
    for (int j = 0; j < 3; ++j)
        data.Sections.append(SectionCalculee());
    const QString corps = CorpsNdC(data, false);
    // Without the listing the note begins with the results heading.
    EXPECT_TRUE(corps.startsWith(QStringLiteral(
        "<TABLE border=\"2\" cellpadding=\"2\" cellspacing=\"0\" width=\"95%\">\r\n"
        "<TR >\r\n<TD class=\"TITRE\" align=\"center\" >R E S U L T A T S</TD>\r\n</TR>\r\n\r\n</TABLE>"
        "<TABLE border=\"2\" cellpadding=\"2\" cellspacing=\"0\" width=\"95%\">\r\n<COLGROUP><COL width=\"10%\" "
        "align=\"center\"><COL width=\"6%\" align=\"left\">")));
    EXPECT_EQ(corps.count(QStringLiteral("<COLGROUP><COL width=\"10%\" align=\"center\"><COL width=\"26%\" "
                                         "align=\"left\"><COL width=\"16%\" align=\"right\">")),
              3);

    const auto tables = Tables(corps);
    ASSERT_EQ(tables.size(), 6);
    const struct {
        const char* titre;
        int colspan;
        QStringList groupes;
        QStringList sousTitres;
    } attendus[] = {
        {"Torseurs des charges permanentes non pondérés (kN, m)", 16,
         {"section", "poids propre", "poids goutterot", "ch. addit. Ponctuelles", "ch. addit. Réparties", "G total"},
         QStringList{"&nbsp;"} + Repete({"FX", "FZ", "MY"}, 5)},
        {"Torseurs des charges variables non pondérés (kN, m)", 16,
         {"section", "ch. neige", "ch. vent Ponctuelles", "ch. vent Réparties", "ch. exploit. Ponctuelles",
          "ch. exploit. Réparties"},
         QStringList{"&nbsp;"} + Repete({"FX", "FZ", "MY"}, 5)},
        {"Maxima pondérés en contraintes (kN,m,MPa)", 6,
         {"section", "combinaison", "torseur au CdG de la section", "contrainte normale"},
         {"&nbsp;", "&nbsp;", "FX", "FZ", "MY", "&nbsp;"}},
        {"Maxima pondérés en excentricités (kN,m)", 6,
         {"section", "combinaison", "torseur au CdG de la section", "excentricité"},
         {"&nbsp;", "&nbsp;", "FX", "FZ", "MY", "&nbsp;"}},
        {"Maxima pondérés en angle de frottement (kN,m,degré)", 6,
         {"section", "combinaison", "torseur au CdG de la section", "angle de frottement"},
         {"&nbsp;", "&nbsp;", "FX", "FZ", "MY", "&nbsp;"}},
    };
    for (int t = 0; t < 5; ++t) {
        SCOPED_TRACE(attendus[t].titre);
        const auto& lignes = tables[t + 1];
        ASSERT_EQ(lignes.size(), 3 + 3);
        ASSERT_EQ(lignes[0].size(), 1);
        EXPECT_EQ(lignes[0][0].texte, QString::fromUtf8(attendus[t].titre));
        EXPECT_EQ(lignes[0][0].attributs,
                  QStringLiteral("class=\"TITRE\" colspan=\"%1\" align=\"center\" ").arg(attendus[t].colspan));
        EXPECT_EQ(Textes(lignes[1]), attendus[t].groupes);
        for (int g = 1; g < lignes[1].size(); ++g) {
            const bool triple = attendus[t].colspan == 16 || g == 2;
            EXPECT_EQ(lignes[1][g].attributs, triple ? QStringLiteral("colspan=\"3\" align=\"center\" ")
                                                     : QStringLiteral("align=\"center\" "));
        }
        EXPECT_EQ(Textes(lignes[2]), attendus[t].sousTitres);
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(lignes[3 + j].size(), attendus[t].colspan);
            EXPECT_EQ(lignes[3 + j][0].texte, QString::number(j + 1));
        }
    }
}

TEST(CalculationNote, ValuesAreFormattedAndColouredByLevel)
{
    const struct {
        const char* name;
        void (*regler)(TSection&);
        int table; // 1..5 as in the note, after the heading
        int cellule;
        const char* texte;
        const char* classe;
    } cases[] = {
        {"torseur en kN", [](TSection& s) { s.se_torsGpp = {-2000, 0, 12345.678}; }, 1, 1, "-20.00", ""},
        {"moment en kN·m", [](TSection& s) { s.se_torsGpp = {-2000, 0, 12345.678}; }, 1, 3, "123.46", ""},
        {"G total", [](TSection& s) { s.se_torsGtot = {1, 2, 3}; }, 1, 15, "0.03", ""},
        {"vent réparti", [](TSection& s) { s.se_torsWR = {150, 0, 0}; }, 2, 7, "1.50", ""},
        {"exploitation répartie", [](TSection& s) { s.se_torsQR = {0, 0, -50}; }, 2, 15, "-0.50", ""},
        {"contrainte 45.4 %",
         [](TSection& s) {
             s.se_maxCtr.mx_valeur = 45.4;
             s.se_maxCtr.mx_statut = 0;
         },
         3, 5, "45 %", "OK"},
        {"contrainte 150 %",
         [](TSection& s) {
             s.se_maxCtr.mx_valeur = 150;
             s.se_maxCtr.mx_statut = 2;
         },
         3, 5, "150 %", "NOK"},
        {"contrainte non calculée",
         [](TSection& s) {
             s.se_maxCtr.mx_valeur = -1;
             s.se_maxCtr.mx_statut = 2;
         },
         3, 5, "non calc.", "NOK"},
        {"résultante hors section",
         [](TSection& s) {
             s.se_maxCtr.mx_valeur = -12.5;
             s.se_maxCtr.mx_statut = 0;
         },
         3, 5, "non calc.", "OK"},
        {"torseur pondéré",
         [](TSection& s) { s.se_maxCtr.mx_torsPondere = {450, -7884, 1015.25}; }, 3, 4, "10.15", ""},
        {"combinaison", [](TSection& s) { s.se_maxCtr.mx_combi = QStringLiteral("1.35 G + 1.50 S"); }, 3, 1,
         "1.35 G + 1.50 S", ""},
        {"excentricité niveau 0",
         [](TSection& s) {
             s.se_maxExc.mx_valeur = -0.05;
             s.se_maxExc.mx_statut = 0;
         },
         4, 5, "0.05 (<0.10) ", "OK"},
        {"excentricité niveau 1",
         [](TSection& s) {
             s.se_maxExc.mx_valeur = 0.2;
             s.se_maxExc.mx_statut = 1;
         },
         4, 5, "0.20 (>0.10, <0.30) ", "Acc"},
        {"excentricité niveau 2",
         [](TSection& s) {
             s.se_maxExc.mx_valeur = -0.4;
             s.se_maxExc.mx_statut = 2;
         },
         4, 5, "0.40 (>0.30) ", "NOK"},
        {"angle 0.5 rad",
         [](TSection& s) {
             s.se_maxAng.mx_valeur = 0.5;
             s.se_maxAng.mx_statut = 0;
         },
         5, 5, "28.65", "OK"},
        {"angle au-delà du frottement",
         [](TSection& s) {
             s.se_maxAng.mx_valeur = kPi / 2;
             s.se_maxAng.mx_statut = 2;
         },
         5, 5, "90.00", "NOK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TData data;
        data.Sections.append(SectionCalculee());
        data.Sections.append(SectionCalculee());
        c.regler(data.Sections[1]);
        const auto tables = Tables(CorpsNdC(data, false));
        ASSERT_EQ(tables.size(), 6);
        const Cellule& cellule = tables[c.table][4][c.cellule];
        EXPECT_EQ(cellule.texte, QString::fromUtf8(c.texte));
        const QString classe = QString::fromUtf8(c.classe);
        EXPECT_EQ(cellule.attributs, classe.isEmpty() ? QStringLiteral("align=\"center\" ")
                                                      : QStringLiteral("class=\"%1\" align=\"center\" ").arg(classe));
    }
}

TEST(CalculationNote, UncomputedSectionsShowClearedResults)
{
    TData data;
    data.Sections.append(TSection{});
    const auto tables = Tables(CorpsNdC(data, false));
    ASSERT_EQ(tables.size(), 6);
    EXPECT_EQ(Textes(tables[1][3]), QStringList{"1"} + Repete({"0.00"}, 15));
    EXPECT_EQ(Textes(tables[3][3]), (QStringList{"1", "&nbsp;", "0.00", "0.00", "0.00", "0 %"}));
    EXPECT_EQ(tables[3][3][5].attributs, QStringLiteral("class=\"OK\" align=\"center\" "));
    EXPECT_EQ(Textes(tables[4][3]), (QStringList{"1", "&nbsp;", "0.00", "0.00", "0.00", "0.00 (<0.00) "}));
    EXPECT_EQ(Textes(tables[5][3]), (QStringList{"1", "&nbsp;", "0.00", "0.00", "0.00", "0.00"}));

    // No section: the tables keep their headings only.
    const auto vides = Tables(CorpsNdC(TData{}, false));
    ASSERT_EQ(vides.size(), 6);
    for (int t = 1; t < 6; ++t)
        EXPECT_EQ(vides[t].size(), 3);
}

TEST(CalculationNote, DataListingShowsTheSheetRowsAndEscapesUserTexts)
{
    TData data;
    data.Comment = QStringLiteral("h < 2 m & pile");
    TSection s = SectionCalculee();
    s.se_niveau = 1.5;
    s.se_comment = QStringLiteral("x=<b>");
    data.Sections.append(s);
    const QString corps = CorpsNdC(data, true);
    const auto tables = Tables(corps);
    ASSERT_EQ(tables.size(), 7);
    EXPECT_TRUE(corps.startsWith(QStringLiteral("<TABLE border=\"2\" cellpadding=\"2\" cellspacing=\"0\" width=\"95%\">\r\n"
                                                "<COLGROUP><COL width=\"70%\" align=\"left\"><COL width=\"30%\" "
                                                "align=\"right\"></COLGROUP><TR >\r\n<TD class=\"TITRE\" colspan=\"2\" "
                                                "align=\"center\" >D O N N E E S</TD>\r\n</TR>\r\n\r\n")));
    const auto& liste = tables[0];
    ASSERT_EQ(liste.size(), 1 + 2 + 32);
    for (int i = 1; i < liste.size(); ++i) {
        ASSERT_EQ(liste[i].size(), 2);
        EXPECT_EQ(liste[i][0].attributs, QStringLiteral("align=\"left\" "));
        EXPECT_EQ(liste[i][1].attributs, QStringLiteral("align=\"right\" "));
    }
    EXPECT_EQ(Textes(liste[1]), (QStringList{"Commentaire", "h &lt; 2 m &amp; pile"}));
    EXPECT_EQ(Textes(liste[2]), (QStringList{"1 SECTIONS (décrites de bas en haut du tolvane)", "&nbsp;"}));
    EXPECT_EQ(Textes(liste[3]), (QStringList{"SECTION N° 1", "&nbsp;"}));
    EXPECT_EQ(Textes(liste[4]), (QStringList{" niveau de la section (m)", "1.50"}));
    EXPECT_EQ(Textes(liste[5]), (QStringList{" longueur du tolvane suivant X (cm)", "60"}));
    EXPECT_EQ(Textes(liste[34]), (QStringList{" commentaire", "x=&lt;b&gt;"}));
    // The results follow the listing.
    EXPECT_EQ(tables[1][0][0].texte, QStringLiteral("R E S U L T A T S"));
}
