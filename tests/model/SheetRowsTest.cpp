#include "model/SheetRows.h"

#include <gtest/gtest.h>

namespace {

constexpr double kPi = 3.141592653589793;

TSection SectionExemple(double niveau)
{
    TSection s;
    s.se_niveau = niveau;
    s.se_htrsec = 0.8;
    s.se_lrgsec = 0.45;
    s.se_posisec = -0.1;
    s.se_mvol = 2200;
    s.se_resistance = 2.5;
    s.se_angfrottrad = kPi / 6;
    s.se_pdsgouttml = 1500;
    s.se_posigoutt = 0.25;
    s.se_posicharge = 0.3;
    s.se_chargePG = {11, -12};
    s.se_chargePS = {21, -22};
    s.se_chargePW = {31, -32};
    s.se_chargePQ = {41, -42};
    s.se_chargeRW = 51;
    s.se_chargeRG = {61, -62};
    s.se_chargeRQ = {71, -72};
    s.se_comment = QStringLiteral("appui & <voûte>");
    return s;
}

TData DonneesExemple(int n)
{
    TData data;
    data.Comment = QStringLiteral("Contrefort nord");
    for (int j = 0; j < n; ++j)
        data.Sections.append(SectionExemple(1.5 + j));
    return data;
}

} // namespace

TEST(TSheetRows, InitBuildsKeysAndReadOnlyRows)
{
    TSheetRows rows;
    rows.InitVLE(3);
    ASSERT_EQ(rows.NbLignes(), 2 + 3 * 32);
    EXPECT_EQ(rows.NbSections(), 3);
    EXPECT_EQ(rows.LigneFiche(0).cle, QStringLiteral("Commentaire"));
    EXPECT_FALSE(rows.LigneFiche(0).lectureSeule);
    EXPECT_EQ(rows.LigneFiche(1).cle, QStringLiteral("SECTIONS (décrites de bas en haut du tolvane) :"));
    EXPECT_TRUE(rows.LigneFiche(1).lectureSeule);
    EXPECT_EQ(rows.LigneFiche(97).cle, QStringLiteral(" commentaire"));

    const int titres[] = {0, 5, 11, 13, 18, 23, 24, 28};
    for (int j = 0; j < 3; ++j) {
        for (int offset = 0; offset < 32; ++offset) {
            const TLigneFiche& ligne = rows.LigneFiche(TSheetRows::Ligne(j, offset));
            const bool titre = std::find(std::begin(titres), std::end(titres), offset) != std::end(titres);
            EXPECT_EQ(ligne.lectureSeule, titre) << j << " " << offset;
            EXPECT_TRUE(ligne.valeur.isEmpty());
            const auto police = offset == 0 ? TLigneFiche::Police::Grasse
                                : titre     ? TLigneFiche::Police::Italique
                                            : TLigneFiche::Police::Normale;
            EXPECT_EQ(ligne.police, police) << j << " " << offset;
        }
        EXPECT_EQ(rows.LigneFiche(TSheetRows::Ligne(j, 0)).cle, QStringLiteral("SECTION N°"));
    }

    rows.InitVLE(0);
    EXPECT_EQ(rows.NbLignes(), 2);
}

TEST(TSheetRows, FillShowsEachFieldInItsUnitAndFormat)
{
    TSheetRows rows;
    rows.Remplir(DonneesExemple(2));
    EXPECT_EQ(rows.NbLignes(), 66);
    EXPECT_EQ(rows.LigneFiche(0).valeur, QStringLiteral("Contrefort nord"));
    EXPECT_EQ(rows.LigneFiche(1).cle, QStringLiteral("2 SECTIONS (décrites de bas en haut du tolvane)"));

    const struct {
        int offset;
        const char* cle;
        const char* valeur;
    } cases[] = {
        {0, "SECTION N° 2", ""},
        {1, " niveau de la section (m)", "2.50"},
        {2, " longueur du tolvane suivant X (cm)", "80"},
        {3, " largeur du tolvane suivant Y (cm)", "45"},
        {4, " position du parement intérieur par rapport à l'axe Z (cm)", "-10"},
        {5, " caractéristiques de la maçonnerie au-dessus de la section", ""},
        {6, "  - masse volumique (daN/m3)", "2200"},
        {7, "  - résistance ELU (MPa)", "2.5"},
        {8, "  - angle de frottement interne (degré)", "30"},
        {9, " poids de mur goutterot solidaire du tolvane (au ml, valeur >0, daN/ml)", "1500"},
        {10, " distance de cette charge au parement intérieur du tolvane (cm)", "25"},
        {11, " Charges ponctuelles additionnelles (>0 selon repère, daN) :", ""},
        {12, "  position des charges verticales par rapport à l'axe Z (>0 selon X, cm)", "30"},
        {13, "  Horizontales :", ""},
        {14, "   - permanente (G)", "11"},
        {15, "   - neige (S)", "21"},
        {16, "   - vent (W)", "31"},
        {17, "   - exploitation (Q)", "41"},
        {18, "  Verticales :", ""},
        {19, "   - permanente (G)", "-12"},
        {20, "   - neige (S)", "-22"},
        {21, "   - vent (W)", "-32"},
        {22, "   - exploitation (Q)", "-42"},
        {23, " Charges réparties additionnelles (>0 selon repère, daN) :", ""},
        {24, "  Horizontales :", ""},
        {25, "   - vent (W)", "51"},
        {26, "   - permanente (G)", "61"},
        {27, "   - exploitation (Q)", "71"},
        {28, "  Verticales :", ""},
        {29, "   - permanente (G)", "-62"},
        {30, "   - exploitation (Q)", "-72"},
        {31, " commentaire", "appui & <voûte>"},
    };
    for (const auto& c : cases) {
        const TLigneFiche& ligne = rows.LigneFiche(TSheetRows::Ligne(1, c.offset));
        EXPECT_EQ(ligne.cle, QString::fromUtf8(c.cle)) << c.offset;
        EXPECT_EQ(ligne.valeur, QString::fromUtf8(c.valeur)) << c.offset;
    }
    EXPECT_EQ(rows.LigneFiche(TSheetRows::Ligne(0, 0)).cle, QStringLiteral("SECTION N° 1"));
    EXPECT_EQ(rows.LigneFiche(TSheetRows::Ligne(0, 1)).valeur, QStringLiteral("1.50"));
}

TEST(TSheetRows, ReadConvertsBackToStoredUnits)
{
    TSheetRows rows;
    const TData source = DonneesExemple(2);
    rows.Remplir(source);
    const TData lu = rows.Lire();
    ASSERT_EQ(lu.Sections.size(), 2);
    EXPECT_EQ(lu.Comment, source.Comment);
    for (int j = 0; j < 2; ++j) {
        const TSection& a = source.Sections[j];
        const TSection& b = lu.Sections[j];
        EXPECT_DOUBLE_EQ(b.se_niveau, a.se_niveau);
        EXPECT_DOUBLE_EQ(b.se_htrsec, a.se_htrsec);
        EXPECT_DOUBLE_EQ(b.se_lrgsec, a.se_lrgsec);
        EXPECT_DOUBLE_EQ(b.se_posisec, a.se_posisec);
        EXPECT_DOUBLE_EQ(b.se_mvol, a.se_mvol);
        EXPECT_DOUBLE_EQ(b.se_resistance, a.se_resistance);
        EXPECT_DOUBLE_EQ(b.se_angfrottrad, a.se_angfrottrad);
        EXPECT_DOUBLE_EQ(b.se_pdsgouttml, a.se_pdsgouttml);
        EXPECT_DOUBLE_EQ(b.se_posigoutt, a.se_posigoutt);
        EXPECT_DOUBLE_EQ(b.se_posicharge, a.se_posicharge);
        EXPECT_EQ(b.se_chargePG, a.se_chargePG);
        EXPECT_EQ(b.se_chargePS, a.se_chargePS);
        EXPECT_EQ(b.se_chargePW, a.se_chargePW);
        EXPECT_EQ(b.se_chargePQ, a.se_chargePQ);
        EXPECT_EQ(b.se_chargeRG, a.se_chargeRG);
        EXPECT_EQ(b.se_chargeRQ, a.se_chargeRQ);
        EXPECT_EQ(b.se_chargeRW, a.se_chargeRW);
        EXPECT_EQ(b.se_comment, a.se_comment);
    }
}

TEST(TSheetRows, TypedValuesAreReadLeniently)
{
    const struct {
        int offset;
        const char* tape;
        double TSection::*champ;
        double attendu;
    } cases[] = {
        {2, "85", &TSection::se_htrsec, 0.85},
        {2, "85,5", &TSection::se_htrsec, 0},
        {2, "abc", &TSection::se_htrsec, 0},
        {2, "", &TSection::se_htrsec, 0},
        {1, " 3.25 ", &TSection::se_niveau, 3.25},
        {8, "30", &TSection::se_angfrottrad, 30 * kPi / 180},
        {7, "1e1", &TSection::se_resistance, 10},
        {6, "-5", &TSection::se_mvol, -5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tape);
        TSheetRows rows;
        rows.Remplir(DonneesExemple(1));
        rows.DefinirValeur(TSheetRows::Ligne(0, c.offset), QString::fromUtf8(c.tape));
        const TData lu = rows.Lire();
        EXPECT_DOUBLE_EQ(lu.Sections[0].*c.champ, c.attendu);
    }
}

TEST(TSheetRows, ReadCleansTextsAndLeavesResultsCleared)
{
    TSheetRows rows;
    TData source = DonneesExemple(1);
    source.Sections[0].se_torsGtot = {1, 2, 3};
    source.StatutGlobal = 2;
    rows.Remplir(source);
    rows.DefinirValeur(0, QStringLiteral("ligne\tdeux\u20ACx\u4E2D"));
    rows.DefinirValeur(TSheetRows::Ligne(0, 31), QStringLiteral("a\r\nb"));
    // Headings carry no value: something typed there is ignored.
    rows.DefinirValeur(TSheetRows::Ligne(0, 5), QStringLiteral("999"));
    const TData lu = rows.Lire();
    EXPECT_EQ(lu.Comment, QStringLiteral("ligne deux\u20ACx?"));
    EXPECT_EQ(lu.Sections[0].se_comment, QStringLiteral("a  b"));
    EXPECT_EQ(lu.Sections[0].se_torsGtot, (TV3R{0, 0, 0}));
    EXPECT_EQ(lu.StatutGlobal, 0);
    EXPECT_EQ(lu.Sections[0].se_maxCtr.mx_combi, QString());
}

TEST(TSheetRows, TextHasOneKeyEqualsValueLinePerRow)
{
    TSheetRows rows;
    TData data;
    data.Comment = QStringLiteral("a=b");
    data.Sections.append(SectionExemple(0));
    rows.Remplir(data);
    const QString texte = rows.Texte();
    const QStringList lignes = texte.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lignes.size(), 34 + 1);
    EXPECT_TRUE(lignes.last().isEmpty());
    EXPECT_EQ(lignes[0], QStringLiteral("Commentaire=a=b"));
    EXPECT_EQ(lignes[1], QStringLiteral("1 SECTIONS (décrites de bas en haut du tolvane)="));
    EXPECT_EQ(lignes[2], QStringLiteral("SECTION N° 1="));
    EXPECT_EQ(lignes[3], QStringLiteral(" niveau de la section (m)=0.00"));
    EXPECT_EQ(lignes[33], QStringLiteral(" commentaire=appui & <voûte>"));
}
