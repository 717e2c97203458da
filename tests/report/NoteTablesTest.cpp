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
