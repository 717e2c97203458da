#include "QStringPrinter.h"
#include "report/HtmlTable.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct ColAttendue {
    int GCD1;
    int wcolpc;
};

} // namespace

TEST(THtmlTable, ColumnSpecificationsDeclareColumnsAndColgroup)
{
    const struct {
        const char* spec;
        std::vector<ColAttendue> cols;
        const char* colgroup;
    } cases[] = {
        {"G70 D30", {{1, 70}, {3, 30}},
         R"(<COLGROUP><COL width="70%" align="left"><COL width="30%" align="right"></COLGROUP>)"},
        {"G", {{1, 10}}, R"(<COLGROUP><COL width="10%" align="left"></COLGROUP>)"},
        {"25", {{2, 25}}, R"(<COLGROUP><COL width="25%" align="center"></COLGROUP>)"},
        {"X25", {{2, 25}}, R"(<COLGROUP><COL width="25%" align="center"></COLGROUP>)"},
        {"g70", {{2, 70}}, R"(<COLGROUP><COL width="70%" align="center"></COLGROUP>)"},
        {"G70 0 D30", {{1, 70}}, R"(<COLGROUP><COL width="70%" align="left"></COLGROUP>)"},
        {"C10   D5  ", {{2, 10}, {3, 5}},
         R"(<COLGROUP><COL width="10%" align="center"><COL width="5%" align="right"></COLGROUP>)"},
        {" G70", {}, "<COLGROUP></COLGROUP>"},
        {"Gxy D7", {{1, 10}, {3, 7}},
         R"(<COLGROUP><COL width="10%" align="left"><COL width="7%" align="right"></COLGROUP>)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec);
        THtmlTable table;
        table.DebutTable(95, 2, 0, 2, QString::fromUtf8(c.spec));
        const QString attendu = QStringLiteral("<TABLE border=\"2\" cellpadding=\"2\" cellspacing=\"0\" width=\"95%\">\r\n")
                                + QString::fromUtf8(c.colgroup) + QStringLiteral("</TABLE>");
        EXPECT_EQ(table.FinTable(), attendu);
        ASSERT_EQ(table.NbColonnes(), int(c.cols.size()));
        for (std::size_t i = 0; i < c.cols.size(); ++i) {
            EXPECT_EQ(table.Colonnes()[qsizetype(i)].GCD1, c.cols[i].GCD1) << i;
            EXPECT_EQ(table.Colonnes()[qsizetype(i)].wcolpc, c.cols[i].wcolpc) << i;
        }
    }
}

TEST(THtmlTable, NoteSpecificationsDeclareTheirColumns)
{
    THtmlTable table;
    table.DebutTable(95, 2, 0, 2, QStringLiteral("C10 G26 D16 D16 D16 D16"));
    ASSERT_EQ(table.NbColonnes(), 6);
    EXPECT_EQ(table.Colonnes()[0].GCD1, 2);
    EXPECT_EQ(table.Colonnes()[1].wcolpc, 26);
    EXPECT_EQ(table.Colonnes()[5].GCD1, 3);

    table.DebutTable(95, 2, 0, 2, QStringLiteral("C10") + QStringLiteral(" G06").repeated(15));
    ASSERT_EQ(table.NbColonnes(), 16);
    EXPECT_EQ(table.Colonnes()[15].GCD1, 1);
    EXPECT_EQ(table.Colonnes()[15].wcolpc, 6);
    EXPECT_TRUE(table.FinTable().contains(QStringLiteral("<COL width=\"6%\" align=\"left\">")));
}

TEST(THtmlTable, EmptySpecificationKeepsPreviousColumnsAndWritesNoColgroup)
{
    THtmlTable table;
    table.DebutTable(50, 1, 3, 4, QStringLiteral("G70 D30"));
    table.DebutTable(50, 1, 3, 4, {});
    EXPECT_EQ(table.FinTable(),
              QStringLiteral("<TABLE border=\"1\" cellpadding=\"4\" cellspacing=\"3\" width=\"50%\">\r\n</TABLE>"));
    EXPECT_EQ(table.NbColonnes(), 2);
    // The kept columns still give widths to cells.
    table.DebutLigne({}, {});
    table.Cellule({}, 1, 2, 0, 1, {}, QStringLiteral("x"), false);
    table.FinLigne();
    EXPECT_TRUE(table.FinTable().contains(QStringLiteral("<TD colspan=\"2\" width=\"100%\" >x</TD>")));
}

TEST(THtmlTable, CellsWriteAttributesInTheirOrder)
{
    const struct {
        const char* name;
        const char* classe;
        int rowspan, colspan, GCD1, pos1;
        const char* params;
        const char* texte;
        bool header;
        const char* attendu;
    } cases[] = {
        {"sans attribut", "", 1, 1, 0, 0, "", "x", false, "<TD >x</TD>\r\n"},
        {"titre de la note", "TITRE", 1, 2, 2, 0, "", "D O N N E E S", false,
         "<TD class=\"TITRE\" colspan=\"2\" align=\"center\" >D O N N E E S</TD>\r\n"},
        {"tous les attributs", "OK", 2, 2, 3, 2, "valign=\"top\"", "y", true,
         "<TH class=\"OK\" rowspan=\"2\" colspan=\"2\" width=\"46%\" align=\"right\" valign=\"top\">y</TH>\r\n"},
        {"largeur d'une colonne", "", 1, 1, 1, 1, "", "z", false, "<TD width=\"10%\" align=\"left\" >z</TD>\r\n"},
        {"largeur nulle omise", "", 1, 1, 0, 4, "", "z", false, "<TD >z</TD>\r\n"},
        {"texte blanc", "", 1, 1, 0, 0, "", " \t\r\n", false, "<TD >&nbsp;</TD>\r\n"},
        {"texte vide", "", 1, 1, 0, 0, "", "", true, "<TH >&nbsp;</TH>\r\n"},
        {"texte non rogné", "", 1, 1, 0, 0, "", " a ", false, "<TD > a </TD>\r\n"},
        {"colonnes au-delà de la déclaration", "", 1, 3, 0, 3, "", "w", false,
         "<TD colspan=\"3\" width=\"16%\" >w</TD>\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        THtmlTable table;
        table.DebutTable(95, 2, 0, 2, QStringLiteral("G10 D30 C16 0"));
        table.DebutLigne({}, {});
        table.Cellule(QString::fromUtf8(c.classe), c.rowspan, c.colspan, c.GCD1, c.pos1, QString::fromUtf8(c.params),
                      QString::fromUtf8(c.texte), c.header);
        table.FinLigne();
        const QString tableHtml = table.FinTable();
        const QString attendu = QStringLiteral("<TR >\r\n") + QString::fromUtf8(c.attendu) + QStringLiteral("</TR>\r\n\r\n");
        EXPECT_TRUE(tableHtml.contains(attendu)) << tableHtml.toStdString();
    }
}

TEST(THtmlTable, RowsAreStoredInOrderAndTableIsReusable)
{
    THtmlTable table;
    table.DebutTable(95, 2, 0, 2, QStringLiteral("G70 D30"));
    table.DebutLigne(QStringLiteral("L1"), QStringLiteral("id=\"a\""));
    table.Cellule({}, 1, 1, 1, 0, {}, QStringLiteral("clé"), false);
    table.FinLigne();
    table.DebutLigne({}, {});
    table.Cellule({}, 1, 1, 3, 0, {}, QStringLiteral("1.50"), false);
    table.FinLigne();
    const QString attendu =
        QStringLiteral("<TABLE border=\"2\" cellpadding=\"2\" cellspacing=\"0\" width=\"95%\">\r\n"
                       "<COLGROUP><COL width=\"70%\" align=\"left\"><COL width=\"30%\" align=\"right\"></COLGROUP>"
                       "<TR class=\"L1\" id=\"a\">\r\n<TD align=\"left\" >clé</TD>\r\n</TR>\r\n\r\n"
                       "<TR >\r\n<TD align=\"right\" >1.50</TD>\r\n</TR>\r\n\r\n"
                       "</TABLE>");
    EXPECT_EQ(table.FinTable(), attendu);
    EXPECT_EQ(table.FinTable(), attendu);
    EXPECT_EQ(table.NbLignes(), 2);

    // A new table forgets the rows of the previous one.
    table.DebutTable(95, 2, 0, 2, {});
    EXPECT_EQ(table.NbLignes(), 0);
    table.DebutLigne({}, {});
    table.Cellule({}, 1, 1, 0, 0, {}, QStringLiteral("seul"), false);
    table.FinLigne();
    EXPECT_EQ(table.FinTable(), QStringLiteral("<TABLE border=\"2\" cellpadding=\"2\" cellspacing=\"0\" width=\"95%\">\r\n"
                                               "<TR >\r\n<TD >seul</TD>\r\n</TR>\r\n\r\n</TABLE>"));
}

TEST(THtmlTable, OutOfRangeAlignmentIsOmitted)
{
    THtmlTable table;
    table.DebutTable(95, 2, 0, 2, {});
    table.DebutLigne({}, {});
    table.Cellule({}, 1, 1, 7, 0, {}, QStringLiteral("a"), false);
    table.Cellule({}, 1, 1, -1, 0, {}, QStringLiteral("b"), false);
    table.FinLigne();
    const QString html = table.FinTable();
    EXPECT_TRUE(html.contains(QStringLiteral("<TD >a</TD>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<TD >b</TD>")));
}
