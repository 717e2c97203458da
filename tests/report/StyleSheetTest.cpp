#include "QStringPrinter.h"
#include "report/StyleSheet.h"

#include <gtest/gtest.h>

TEST(TStyleSheet, DeclarationsAreNormalised)
{
    const struct {
        const char* data;
        const char* entree;
    } cases[] = {
        {"font-weight:bold; background-color: #92D050", "TD.OK\tfont-weight: bold\tbackground-color: #92D050"},
        {"font-weight : bold;background-color:#92D050;", "TD.OK\tfont-weight: bold\tbackground-color: #92D050"},
        {"a:1;;b:2;", "TD.OK\ta: 1\tb: 2"},
        {" \t;  ; a:1 ;\r\n", "TD.OK\ta: 1"},
        {"nom-seul; :sans-nom; c:3", "TD.OK\tnom-seul: \tc: 3"},
        {"url: a:b", "TD.OK\turl: a:b"},
        {"", "TD.OK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        TStyleSheet styles;
        styles.AjouterStyle(QStringLiteral("TD.OK"), QString::fromUtf8(c.data));
        ASSERT_EQ(styles.Styles().size(), 1);
        EXPECT_EQ(styles.Styles().front(), QString::fromUtf8(c.entree));
    }
}

TEST(TStyleSheet, FirstDefinitionOfASelectorStays)
{
    TStyleSheet styles;
    styles.AjouterStyle(QStringLiteral("TD.OK"), QStringLiteral("font-weight:bold"));
    styles.AjouterStyle(QStringLiteral("TD.OK"), QStringLiteral("color: red"));
    // A selector that merely begins like another one is a different selector.
    styles.AjouterStyle(QStringLiteral("TD"), QStringLiteral("color: blue"));
    styles.AjouterStyle(QStringLiteral("td.ok"), QStringLiteral("color: green"));
    EXPECT_EQ(styles.HTML(), QStringLiteral("<style type=\"text/css\">\r\n"
                                            "TD.OK { font-weight: bold }\r\n"
                                            "TD { color: blue }\r\n"
                                            "td.ok { color: green }\r\n"
                                            "</style>\r\n"));
    styles.InitStyles();
    EXPECT_TRUE(styles.Styles().isEmpty());
    EXPECT_EQ(styles.HTML(), QStringLiteral("<style type=\"text/css\">\r\n</style>\r\n"));
}

TEST(TStyleSheet, HtmlWritesOneLinePerRule)
{
    TStyleSheet styles;
    styles.AjouterStyle(QStringLiteral("TD.NOK"), QStringLiteral("font-weight:bold; background-color: #FF99CC"));
    styles.AjouterStyle(QStringLiteral("P"), QStringLiteral("margin:"));
    styles.AjouterStyle(QStringLiteral("HR"), {});
    EXPECT_EQ(styles.HTML(), QStringLiteral("<style type=\"text/css\">\r\n"
                                            "TD.NOK { font-weight: bold; background-color: #FF99CC }\r\n"
                                            "P { margin: }\r\n"
                                            "HR }\r\n"
                                            "</style>\r\n"));
}
