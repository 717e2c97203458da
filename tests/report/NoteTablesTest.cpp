#include "report/CalculationNote.h"
#include "report/NoteTables.h"

#include <gtest/gtest.h>

TEST(NoteTables, ReadsCellsClassesSpansAndEntities)
{
    const QString html = QStringLiteral(
        "<style type=\"text/css\">\nTD.TITRE { font-weight: bold }\nTD.NOK { font-weight: bold; background-color: "
        "#FF99CC }\n</style><body>"
        "<TABLE border=\"2\" cellpadding=\"2\" cellspacing=\"0\" width=\"95%\">"
        "<COLGROUP><COL width=\"10%\" align=\"center\"><COL width=\"30%\" align=\"right\"></COLGROUP>"
        "<TR >\n<TD class=\"TITRE\" colspan=\"2\" align=\"center\" >Titre &amp; suite</TD>\n</TR>"
        "<TR ><TD >section</TD><TD >valeur</TD></TR>"
        "<TR ><TD >1</TD><TD class=\"NOK\" >0.13 (<0.17)&nbsp;</TD></TR>"
        "<TR ><TD align=\"left\" >2</TD><TD >a<br>b &lt;c&gt;</TD></TR>"
        "</TABLE><TABLE width=\"50%\"><TR><TD>seul</TD></TR></TABLE></body>");
    const QList<TableauNote> tableaux = LireTableauxNote(html);
    ASSERT_EQ(tableaux.size(), 2);
    const TableauNote& t = tableaux[0];
    EXPECT_DOUBLE_EQ(t.largeurPourcent, 95);
    EXPECT_EQ(t.bordure, 2);
    EXPECT_EQ(t.marge, 2);
    ASSERT_EQ(t.colonnes.size(), 2);
    EXPECT_DOUBLE_EQ(t.colonnes[0], 0.25) << "widths are fractions of the declared total";
    ASSERT_EQ(t.lignes.size(), 4);

    const CelluleNote& titre = t.lignes[0].cellules[0];
    EXPECT_EQ(titre.texte, QStringLiteral("Titre & suite"));
    EXPECT_EQ(titre.colspan, 2);
    EXPECT_TRUE(titre.gras);
    EXPECT_FALSE(titre.fond.isValid());

    const CelluleNote& niveau = t.lignes[2].cellules[1];
    EXPECT_EQ(niveau.texte, QStringLiteral("0.13 (<0.17)")) << "an edge non-breaking space is blank";
    EXPECT_TRUE(niveau.gras);
    EXPECT_EQ(niveau.fond, QColor(0xFF, 0x99, 0xCC));
    EXPECT_EQ(niveau.alignement, Qt::AlignRight) << "the column's alignment when the cell states none";

    EXPECT_EQ(t.lignes[3].cellules[0].alignement, Qt::AlignLeft);
    EXPECT_EQ(t.lignes[3].cellules[1].texte, QStringLiteral("a\nb <c>"));

    // Heading rows: up to the first row of a section.
    EXPECT_TRUE(t.lignes[0].entete);
    EXPECT_TRUE(t.lignes[1].entete);
    EXPECT_FALSE(t.lignes[2].entete);
    EXPECT_FALSE(t.lignes[3].entete);

    EXPECT_EQ(tableaux[1].colonnes, QList<double>{1.0}) << "no declared column: one per cell";
    EXPECT_FALSE(tableaux[1].lignes[0].entete) << "a table of one row has nothing to repeat";
}

TEST(NoteTables, TheRealNoteGivesEveryTableItsRows)
{
    TData data;
    for (int j = 0; j < 3; ++j) {
        TSection s;
        s.se_niveau = j;
        s.se_htrsec = 1;
        data.Sections.append(s);
    }
    const QList<TableauNote> tableaux = LireTableauxNote(PageNdC(data, false));
    ASSERT_GE(tableaux.size(), 3);
    int tablesDeSections = 0;
    for (const TableauNote& t : tableaux) {
        int lignesDeSection = 0;
        for (const LigneNote& l : t.lignes) {
            bool numero = false;
            const int n = l.cellules.isEmpty() ? 0 : l.cellules[0].texte.toInt(&numero);
            if (numero && !l.entete) {
                EXPECT_EQ(n, lignesDeSection + 1);
                ++lignesDeSection;
            }
        }
        if (lignesDeSection > 0) {
            EXPECT_EQ(lignesDeSection, 3);
            ++tablesDeSections;
        }
    }
    EXPECT_GE(tablesDeSections, 2);
}

TEST(NoteTables, APageTheViewRewroteKeepsColoursBoldAlignmentAndTheBuiltWidths)
{
    // Qt's rewrite of a retouched note: no classes, no columns; colours as
    // attributes, bold and alignment on the paragraphs.
    const QString retouchee = QStringLiteral(
        "<html><head><style type=\"text/css\">p, li { white-space: pre-wrap; }</style></head>"
        "<body style=\" font-weight:400;\"><table border=\"2\" width=\"95%\" cellspacing=\"0\" cellpadding=\"2\">"
        "<tr>\n<td>\n<p align=\"center\" style=\" margin-top:0px;\"><span style=\" font-weight:700;\">section</span></p></td>"
        "\n<td>\n<p align=\"right\" style=\" margin-top:0px;\"><span style=\" font-family:'Calibri';\">revu</span></p></td></tr>"
        "<tr>\n<td>\n<p align=\"center\"><span>1</span></p></td>"
        "\n<td bgcolor=\"#92d050\">\n<p align=\"center\"><span style=\" font-weight:700; background-color:#92d050;\">4 %</span></p></td></tr>"
        "</table></body></html>");
    const QString origine = QStringLiteral(
        "<style>TD.OK { font-weight: bold; background-color: #92D050 }</style>"
        "<TABLE width=\"95%\"><COLGROUP><COL width=\"10%\"><COL width=\"30%\"></COLGROUP>"
        "<TR><TD>section</TD><TD>valeur</TD></TR><TR><TD>1</TD><TD class=\"OK\">4 %</TD></TR></TABLE>");

    const QList<TableauNote> seule = LireTableauxNote(retouchee);
    ASSERT_EQ(seule.size(), 1);
    ASSERT_EQ(seule[0].lignes.size(), 2);
    const CelluleNote& titre = seule[0].lignes[0].cellules[0];
    EXPECT_TRUE(titre.gras);
    EXPECT_EQ(titre.alignement, Qt::AlignHCenter);
    const CelluleNote& revu = seule[0].lignes[0].cellules[1];
    EXPECT_EQ(revu.texte, QStringLiteral("revu"));
    EXPECT_FALSE(revu.gras);
    EXPECT_EQ(revu.alignement, Qt::AlignRight);
    const CelluleNote& niveau = seule[0].lignes[1].cellules[1];
    EXPECT_TRUE(niveau.gras);
    EXPECT_EQ(niveau.fond, QColor(0x92, 0xD0, 0x50));
    EXPECT_DOUBLE_EQ(seule[0].colonnes[0], 0.5) << "equal widths when nothing says otherwise";

    const QList<TableauNote> avecOrigine = LireTableauxNote(retouchee, origine);
    ASSERT_EQ(avecOrigine.size(), 1);
    EXPECT_DOUBLE_EQ(avecOrigine[0].colonnes[0], 0.25);
    EXPECT_EQ(avecOrigine[0].lignes[0].cellules[1].texte, QStringLiteral("revu")) << "the texts stay the retouched ones";
}
