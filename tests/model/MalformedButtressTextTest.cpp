#include "model/ButtressText.h"
#include "model/DonneesAppli.h"
#include "util/Errors.h"
#include "util/TextFields.h"
#include "support/FakePlatformServices.h"

#include <gtest/gtest.h>

namespace {

// A complete section line whose level tells the lines apart.
QString ligneSection(int niveau)
{
    QString ligne = QString::number(niveau) + kTab;
    for (int i = 1; i < 23; ++i)
        ligne += QStringLiteral("1") + kTab;
    return ligne + QStringLiteral("s") + kCrLf;
}

} // namespace

// A count line promising sections that the text does not hold: a few missing
// lines are a truncated calculation and read as empty lines; a garbled count
// demanding thousands of sections from nothing keeps the sections present,
// with a message, instead of allocating them or losing the calculation.
TEST(ButtressTextMalformed, CountBeyondTheLinesLeftIsBounded)
{
    const struct {
        const char* name;
        int lignes;         // complete section lines present
        bool finSansCrLf;   // the last line has no CR LF
        int compte;         // count line
        bool tronque; // only the lines present are read
    } cases[] = {
        {"compte exact", 3, false, 3, false},
        {"une ligne manquante", 1, false, 2, false},
        {"manquantes jusqu'à la limite", 1, false, 1 + kMaxSectionsSansLigne, false},
        {"une manquante de trop", 1, false, 2 + kMaxSectionsSansLigne, true},
        {"aucune ligne, limite", 0, false, kMaxSectionsSansLigne, false},
        {"compte énorme sans ligne", 0, false, 99999, true},
        {"dernière ligne sans CR LF", 2, true, 2 + kMaxSectionsSansLigne, false},
        {"grand contrefort complet", 3 * kMaxSectionsSansLigne, false, 3 * kMaxSectionsSansLigne, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString texte = QStringLiteral("commentaire") + kCrLf + QString::number(c.compte) + kCrLf;
        for (int i = 0; i < c.lignes; ++i)
            texte += ligneSection(i + 1);
        if (c.finSansCrLf)
            texte.chop(2);
        TData data;
        FakePlatformServices platform;
        TexteVersData(texte, data);
        EXPECT_TRUE(texte.isEmpty());
        EXPECT_EQ(data.Comment, QStringLiteral("commentaire"));
        if (c.tronque) {
            ASSERT_EQ(data.Sections.size(), c.lignes);
            for (int i = 0; i < c.lignes; ++i)
                EXPECT_EQ(data.Sections[i].se_niveau, i + 1);
            EXPECT_EQ(platform.messages,
                      std::vector<QString>{QStringLiteral("Nombre de sections incorrect : %1 annoncées, %2 présentes ; "
                                                          "seules les sections présentes ont été lues.")
                                               .arg(c.compte)
                                               .arg(c.lignes)});
            continue;
        }
        EXPECT_TRUE(platform.messages.empty());
        ASSERT_EQ(data.Sections.size(), c.compte);
        EXPECT_TRUE(texte.isEmpty());
        for (int i = 0; i < c.lignes; ++i)
            EXPECT_EQ(data.Sections[i].se_niveau, i + 1);
        for (int i = c.lignes; i < c.compte; ++i)
            EXPECT_EQ(data.Sections[i].se_htrsec, 0) << "section " << i << " read from an empty line";
        EXPECT_EQ(data.Comment, QStringLiteral("commentaire"));
    }
}

// The whole buttress text keeps what a garbled count leaves, so that the
// document reader never drops the calculation holding it; a negative count
// is still refused.
TEST(ButtressTextMalformed, StrToDAKeepsTheSectionsOfAGarbledCount)
{
    FakePlatformServices platform;
    TDonneesAppli da;
    QString texte = QStringLiteral("A\r\n2024\r\nR\r\nc\r\n50000\r\n") + ligneSection(7);
    da.StrToDA(texte);
    EXPECT_EQ(da.Repere, QStringLiteral("R"));
    EXPECT_EQ(da.Data.Comment, QStringLiteral("c"));
    ASSERT_EQ(da.Data.Sections.size(), 1);
    EXPECT_EQ(da.Data.Sections[0].se_niveau, 7);
    EXPECT_EQ(platform.messages.size(), 1u);

    QString negatif = QStringLiteral("A\r\n2024\r\nR\r\nc\r\n-1\r\n");
    EXPECT_THROW(da.StrToDA(negatif), ERangeError);
}
