#include "QStringPrinter.h"
#include "report/HtmlDocument.h"
#include "support/FakePlatformServices.h"

#include <gtest/gtest.h>

namespace {

QByteArray Champ(const QByteArray& bloc, const char* nom)
{
    const QByteArray cle = QByteArray(nom) + ':';
    const qsizetype debut = bloc.indexOf(cle);
    return debut < 0 ? QByteArray() : bloc.mid(debut + cle.size(), 10);
}

} // namespace

TEST(PageHtml, StyleStandsRightAfterHtmlWithoutHead)
{
    const QString style = QStringLiteral("<style type=\"text/css\">\r\n</style>\r\n");
    const QString attendu =
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                       "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n<html>\r\n")
        + style + QStringLiteral("\r\n<body>&nbsp;</body>\r\n</html>\r\n");
    EXPECT_EQ(PageHtml(style), attendu);
    EXPECT_FALSE(PageHtml(style).contains(QStringLiteral("<head"), Qt::CaseInsensitive));

    QString avecCorps = attendu;
    avecCorps.replace(QStringLiteral("<body>&nbsp;</body>"), QStringLiteral("<body><TABLE></TABLE></body>"));
    EXPECT_EQ(PageHtmlAvecCorps(style, QStringLiteral("<TABLE></TABLE>")), avecCorps);
}

TEST(BlocHtmlFormat, OffsetsCountUtf8Bytes)
{
    const struct {
        const char* name;
        QString fragment, avant, apres;
        qsizetype startHtml, endHtml, startFragment, endFragment, taille;
    } cases[] = {
        {"10 octets", QStringLiteral("0123456789"), {}, {}, 157, 207, 178, 188, 208},
        {"lettres accentuées", QStringLiteral("éàçüô"), {}, {}, 157, 207, 178, 188, 208},
        {"avant et après", QStringLiteral("<b>x</b>"), QStringLiteral("<html>"), QStringLiteral("</html>é"), 157,
         157 + 6 + 21 + 8 + 19 + 9, 157 + 6 + 21, 157 + 6 + 21 + 8, 157 + 6 + 21 + 8 + 19 + 9 + 1},
        {"fragment vide", {}, {}, {}, 157, 197, 178, 178, 198},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TOffsetsHtmlFormat offsets;
        const QByteArray bloc = BlocHtmlFormat(c.fragment, c.avant, c.apres, &offsets);
        EXPECT_EQ(bloc.size(), c.taille);
        EXPECT_EQ(bloc.back(), '\0');
        EXPECT_EQ(offsets.StartHTML, c.startHtml);
        EXPECT_EQ(offsets.EndHTML, c.endHtml);
        EXPECT_EQ(offsets.StartFragment, c.startFragment);
        EXPECT_EQ(offsets.EndFragment, c.endFragment);
        EXPECT_EQ(Champ(bloc, "StartHTML"), QByteArray::number(c.startHtml).rightJustified(10, '0'));
        EXPECT_EQ(Champ(bloc, "EndHTML"), QByteArray::number(c.endHtml).rightJustified(10, '0'));
        EXPECT_EQ(Champ(bloc, "StartFragment"), QByteArray::number(c.startFragment).rightJustified(10, '0'));
        EXPECT_EQ(Champ(bloc, "EndFragment"), QByteArray::number(c.endFragment).rightJustified(10, '0'));
        EXPECT_EQ(Champ(bloc, "StartSelection"), Champ(bloc, "StartFragment"));
        EXPECT_EQ(Champ(bloc, "EndSelection"), Champ(bloc, "EndFragment"));
        // The offsets point at what they name.
        EXPECT_EQ(bloc.mid(c.startFragment, c.endFragment - c.startFragment), c.fragment.toUtf8());
        EXPECT_TRUE(bloc.mid(0, c.startHtml).endsWith("EndSelection:" + Champ(bloc, "EndFragment") + "\r\n"));
        EXPECT_EQ(bloc.mid(c.startHtml, c.endHtml - c.startHtml),
                  (c.avant + QStringLiteral("<!-- StartFragment-->") + c.fragment + QStringLiteral("<!-- EndFragment-->")
                   + c.apres)
                      .toUtf8());
    }
}

TEST(BlocHtmlFormat, HeaderIsTheFixedDescription)
{
    const QByteArray bloc = BlocHtmlFormat(QStringLiteral("0123456789"));
    EXPECT_EQ(bloc, QByteArray("Version:1.0\r\n"
                               "StartHTML:0000000157\r\n"
                               "EndHTML:0000000207\r\n"
                               "StartFragment:0000000178\r\n"
                               "EndFragment:0000000188\r\n"
                               "StartSelection:0000000178\r\n"
                               "EndSelection:0000000188\r\n"
                               "<!-- StartFragment-->0123456789<!-- EndFragment-->")
                        + '\0');
}

TEST(HtmlVersPressePapiers, KeepsOrEmptiesThePlainText)
{
    FakePlatformServices fake;
    fake.setClipboardText(QStringLiteral("texte déjà là"));
    HtmlVersPressePapiers(QStringLiteral("<b>é</b>"), QStringLiteral("<i>"), QStringLiteral("</i>"), false);
    ASSERT_TRUE(fake.clipboardMime);
    EXPECT_EQ(fake.clipboardMime->data(QStringLiteral("HTML Format")),
              BlocHtmlFormat(QStringLiteral("<b>é</b>"), QStringLiteral("<i>"), QStringLiteral("</i>")));
    EXPECT_EQ(fake.clipboardMime->html(), QStringLiteral("<i><b>é</b></i>"));
    EXPECT_EQ(fake.clipboardMime->text(), QStringLiteral("texte déjà là"));

    HtmlVersPressePapiers(QStringLiteral("<b>x</b>"), {}, {}, true);
    ASSERT_TRUE(fake.clipboardMime);
    EXPECT_FALSE(fake.clipboardMime->hasText());
    EXPECT_EQ(fake.clipboardMime->data(QStringLiteral("HTML Format")), BlocHtmlFormat(QStringLiteral("<b>x</b>")));
}

TEST(EchapperHtml, EscapesOnlyMarkupCharacters)
{
    EXPECT_EQ(EchapperHtml(QStringLiteral("h < 2 m & pile > 1 \"é\"")),
              QStringLiteral("h &lt; 2 m &amp; pile &gt; 1 \"é\""));
    EXPECT_EQ(EchapperHtml(QStringLiteral("&amp;")), QStringLiteral("&amp;amp;"));
    EXPECT_EQ(EchapperHtml({}), QString());
}

TEST(HtmlPourTexteRiche, OnlyAStrayLessThanSignIsEscaped)
{
    const struct {
        const char* html;
        const char* attendu;
    } cases[] = {
        {"<TD class=\"OK\" >0.13 (<0.17) </TD>", "<TD class=\"OK\" >0.13 (&lt;0.17) </TD>"},
        {"0.20 (>0.10, <0.30) ", "0.20 (>0.10, &lt;0.30) "},
        {"<!DOCTYPE x><html><style>a</style></html>", "<!DOCTYPE x><html><style>a</style></html>"},
        {"a < b <", "a &lt; b &lt;"},
        {"h &lt; 2", "h &lt; 2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlPourTexteRiche(QString::fromUtf8(c.html)), QString::fromUtf8(c.attendu)) << c.html;
}

TEST(HtmlPourTexteRiche, ACellOfOneWordIsKeptOnOneLine)
{
    const struct {
        const char* html;
        const char* attendu;
    } cases[] = {
        {"<TD align=\"right\" >-430.06</TD>", "<TD align=\"right\" style=\"white-space:nowrap\">-430.06</TD>"},
        {"<TR><td>0.00</td><TH class=\"OK\">64%</TH></TR>",
         "<TR><td style=\"white-space:nowrap\">0.00</td><TH class=\"OK\" style=\"white-space:nowrap\">64%</TH></TR>"},
        // A stray "<" is escaped first: the figure stays whole.
        {"<TD >(<0.17)</TD>", "<TD style=\"white-space:nowrap\">(&lt;0.17)</TD>"},
        // Texts still wrap at their spaces; empty cells, cells holding tags
        // and cells with a style of their own are left as they are.
        {"<TD >0.13 (<0.17) </TD>", "<TD >0.13 (&lt;0.17) </TD>"},
        {"<TD >1.35&#160;G</TD><TD >a\tb</TD>", "<TD style=\"white-space:nowrap\">1.35&#160;G</TD><TD >a\tb</TD>"},
        {"<TD ></TD><TD ><B>12</B></TD>", "<TD ></TD><TD ><B>12</B></TD>"},
        {"<TD style=\"color:red\">12</TD>", "<TD style=\"color:red\">12</TD>"},
        {"<TABLE><TDX>12</TDX><TD>12", "<TABLE><TDX>12</TDX><TD>12"},
        {"<TD", "<TD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlPourTexteRiche(QString::fromUtf8(c.html)), QString::fromUtf8(c.attendu)) << c.html;
}

// A copy carries the note's own HTML (classes, column widths) unless the user
// retouched the view; either way from <html> to </html>.
TEST(HtmlACopier, TheLoadedPageUnlessRetouched)
{
    const QString page = PageHtmlAvecCorps(QStringLiteral("<style>TD.OK { color: red }</style>"),
                                           QStringLiteral("<TABLE><COL width=\"10%\"><TR><TD class=\"OK\">a</TD></TR></TABLE>"));
    const QString vue = QStringLiteral("<!DOCTYPE HTML><html><body><table><tr><td bgcolor=\"#92d050\">a b</td></tr></table></body></html>\n");
    const QString propre = HtmlACopier(page, vue, false);
    EXPECT_TRUE(propre.startsWith(QStringLiteral("<html>")));
    EXPECT_TRUE(propre.endsWith(QStringLiteral("</html>")));
    EXPECT_TRUE(propre.contains(QStringLiteral("class=\"OK\"")));
    EXPECT_TRUE(propre.contains(QStringLiteral("<COL width=\"10%\">")));
    EXPECT_TRUE(propre.contains(QStringLiteral("TD.OK")));
    const QString retouchee = HtmlACopier(page, vue, true);
    EXPECT_EQ(retouchee, QStringLiteral("<html><body><table><tr><td bgcolor=\"#92d050\">a b</td></tr></table></body></html>"));
}
