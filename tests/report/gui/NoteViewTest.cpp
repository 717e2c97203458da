#include "QStringPrinter.h"
#include "report/HtmlDocument.h"
#include "report/gui/NoteView.h"
#include "support/FakePlatformServices.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

const QString kStyle = QStringLiteral("<style type=\"text/css\">\r\nTD.OK { font-weight: bold; background-color: #92D050 }\r\n"
                                      "</style>\r\n");
const QString kCorps = QStringLiteral("<TABLE border=\"2\">\r\n<TR >\r\n<TD class=\"OK\" >Section é</TD>\r\n</TR>\r\n"
                                      "\r\n</TABLE>");

} // namespace

TEST(NoteView, WithoutDocumentBodyAndCopyDoNothing)
{
    FakePlatformServices fake;
    fake.setClipboardText(QStringLiteral("avant"));
    NoteView view;
    DefinirCorpsHtml(view, kCorps);
    EXPECT_TRUE(view.toPlainText().isEmpty());
    CopierDocumentHtml(view);
    EXPECT_EQ(fake.clipboard, QStringLiteral("avant"));
    EXPECT_FALSE(fake.clipboardMime);
}

TEST(NoteView, InitLoadsTheEmptyEditablePage)
{
    NoteView view;
    view.setEnabled(false);
    EXPECT_TRUE(view.isReadOnly());
    InitDocumentHtml(view, kStyle);
    EXPECT_TRUE(view.isEnabled());
    EXPECT_FALSE(view.isReadOnly());
    EXPECT_TRUE(view.ADocument());
    EXPECT_EQ(view.PageChargee(), PageHtml(kStyle));

    DefinirCorpsHtml(view, kCorps);
    EXPECT_EQ(view.PageChargee(), PageHtmlAvecCorps(kStyle, kCorps));
    EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("Section é")));
    // The eccentricity texts keep their "<" on screen.
    DefinirCorpsHtml(view, QStringLiteral("<TABLE><TR ><TD class=\"OK\" >0.13 (<0.17) </TD><TD >b</TD></TR></TABLE>"));
    EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("0.13 (<0.17)"))) << view.toPlainText().toStdString();
    EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("b")));
    DefinirCorpsHtml(view, kCorps);
    // The classes of the style element colour the cells.
    EXPECT_TRUE(view.toHtml().contains(QStringLiteral("#92d050"), Qt::CaseInsensitive)) << view.toHtml().toStdString();

    // A second note replaces the first one whole.
    InitDocumentHtml(view, kStyle);
    EXPECT_FALSE(view.toPlainText().contains(QStringLiteral("Section")));
    EXPECT_FALSE(view.isReadOnly());
}

TEST(NoteView, CopyCarriesTheUserRetouches)
{
    FakePlatformServices fake;
    NoteView view;
    view.show();
    InitDocumentHtml(view, kStyle);
    DefinirCorpsHtml(view, kCorps);
    view.setFocus();
    view.moveCursor(QTextCursor::End);
    QTest::keyClicks(&view, QStringLiteral(" vu le 3/5"));
    CopierDocumentHtml(view);

    ASSERT_TRUE(fake.clipboardMime);
    EXPECT_TRUE(fake.clipboard.contains(QStringLiteral("Section é")));
    EXPECT_TRUE(fake.clipboard.contains(QStringLiteral("vu le 3/5")));
    const QString html = fake.clipboardMime->html();
    EXPECT_TRUE(html.startsWith(QStringLiteral("<html")));
    EXPECT_TRUE(html.endsWith(QStringLiteral("</html>")));
    EXPECT_TRUE(html.contains(QStringLiteral("vu le 3/5")));
    EXPECT_EQ(fake.clipboardMime->data(QStringLiteral("HTML Format")), BlocHtmlFormat(html));
}

TEST(NoteView, AnUntouchedNoteIsCopiedAsItsOwnHtml)
{
    FakePlatformServices fake;
    NoteView view;
    InitDocumentHtml(view, kStyle);
    DefinirCorpsHtml(view, kCorps);
    CopierDocumentHtml(view);
    ASSERT_TRUE(fake.clipboardMime);
    const QString html = fake.clipboardMime->html();
    EXPECT_EQ(html, HtmlACopier(view.PageChargee(), QString(), false));
    EXPECT_TRUE(html.contains(QStringLiteral("TD.OK { font-weight: bold; background-color: #92D050 }")));
    EXPECT_TRUE(html.contains(QStringLiteral("<TD class=\"OK\" >Section é</TD>")));
    EXPECT_TRUE(fake.clipboard.contains(QStringLiteral("Section é")));
}

TEST(NoteView, FiguresAreNeverBrokenAcrossLinesWhileTextsStillWrap)
{
    // A results table wider than the view, as the torsor tables of a note;
    // Qt alone breaks "0.00" after its point, and the others where a cell is
    // too narrow.
    const QStringList chiffres = {QStringLiteral("-1618.06"), QStringLiteral("0.00"), QStringLiteral("50.00")};
    const QString texte = QStringLiteral("poids de mur goutterot solidaire du tolvane (au ml, valeur >0, daN/ml)");
    QString ligne = QStringLiteral("<TR ><TD >%1</TD>").arg(texte);
    for (int colonne = 0; colonne < 18; ++colonne)
        ligne += QStringLiteral("<TD >%1</TD>").arg(chiffres[colonne % chiffres.size()]);
    ligne += QStringLiteral("</TR>\r\n");
    const QString corps = QStringLiteral("<TABLE border=\"2\">\r\n") + ligne + ligne + QStringLiteral("</TABLE>");
    NoteView view;
    view.resize(420, 300);
    view.show();
    InitDocumentHtml(view, kStyle);
    DefinirCorpsHtml(view, corps);
    view.document()->documentLayout()->documentSize();

    int cellules = 0;
    int lignesDuTexte = 0;
    for (QTextBlock bloc = view.document()->begin(); bloc.isValid(); bloc = bloc.next()) {
        ASSERT_NE(bloc.layout(), nullptr);
        if (bloc.text() == texte)
            lignesDuTexte = bloc.layout()->lineCount();
        if (!chiffres.contains(bloc.text()))
            continue;
        ++cellules;
        EXPECT_EQ(bloc.layout()->lineCount(), 1) << bloc.text().toStdString() << " est coupé sur plusieurs lignes";
    }
    EXPECT_EQ(cellules, 36);
    // The label wraps at its spaces, as in a browser.
    EXPECT_GT(lignesDuTexte, 1);
    // What the view cannot hold is reached by scrolling sideways.
    EXPECT_GT(view.horizontalScrollBar()->maximum(), 0);
    // Nothing of the markup shows as text.
    EXPECT_FALSE(view.toPlainText().contains(QStringLiteral("white-space")));
}
