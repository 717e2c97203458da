#include "settings/NoteTexts.h"
#include "support/FakePlatformServices.h"
#include "util/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Lines joined with CR LF, as the file is written.
QString Fichier(const QStringList& lignes) { return lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

const QStringList kMinimal = {QStringLiteral("fr"), QStringLiteral("en"), QString(), QStringLiteral("1"),
                              QStringLiteral(">Note de calcul<"), QStringLiteral(">Calculation note<")};

} // namespace

TEST(TextesNdC, MinimalFileGivesOneEntryWithALinePerLanguage)
{
    TTextesNdC textes;
    ASSERT_TRUE(textes.Lire(Fichier(kMinimal)));
    EXPECT_EQ(textes.Codes(), (QStringList{QStringLiteral("fr"), QStringLiteral("en")}));
    EXPECT_EQ(textes.Texte(1), QStringLiteral("Note de calcul\r\nCalculation note\r\n"));
    EXPECT_EQ(textes.Texte(2), QString());
    EXPECT_EQ(textes.LangueActive(), QStringLiteral("fr"));
}

struct CasLecture {
    const char* nom;
    QStringList lignes;
    bool lisible;
    QStringList codes;
    int numero; // entry looked at
    QString texte;
};

class LectureTextesNdC : public ::testing::TestWithParam<CasLecture> {};

TEST_P(LectureTextesNdC, ReadsWhatTheFileHolds)
{
    const CasLecture& cas = GetParam();
    TTextesNdC textes;
    EXPECT_EQ(textes.Lire(Fichier(cas.lignes)), cas.lisible);
    EXPECT_EQ(textes.Codes(), cas.codes);
    EXPECT_EQ(textes.Texte(cas.numero), cas.texte);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, LectureTextesNdC,
    ::testing::Values(
        // A header line holding only a comment does not end the header.
        CasLecture{"CommentInHeader",
                   {"FR ;; français", ";; les codes suivent", "  En  ", "", "2", ">a_b< ;; tabulation", ">c<"},
                   true,
                   {"fr", "en"},
                   2,
                   "a\tb\r\nc\r\n"},
        // ";;" inside a text cuts its closing "<": the file is unreadable,
        // what came before stays.
        CasLecture{"CommentInEntry",
                   {"fr", "en", "", "1", ">un<", ">one<", "2", ">deux ;; <", ">two<"},
                   false,
                   {"fr", "en"},
                   1,
                   "un\r\none\r\n"},
        // A missing language line: the next number line is not a text.
        CasLecture{"MissingLanguageLine",
                   {"fr", "en", "", "1", ">un<", "2", ">deux<", ">two<"},
                   false,
                   {"fr", "en"},
                   2,
                   ""},
        CasLecture{"EntryZero", {"fr", "", "0", ">zéro<"}, false, {"fr"}, 0, ""},
        CasLecture{"NegativeEntry", {"fr", "", "-3", ">moins<"}, false, {"fr"}, -3, ""},
        CasLecture{"UnreadableNumber", {"fr", "", "1a", ">x<"}, false, {"fr"}, 1, ""},
        CasLecture{"TextWithoutClosingMark", {"fr", "", "1", ">x"}, false, {"fr"}, 1, ""},
        CasLecture{"TextEndsBeforeTheLanguageLines", {"fr", "en", "", "1", ">un<"}, false, {"fr", "en"}, 1, ""},
        // Empty and comment lines between entries; a later entry replaces an
        // earlier one of the same number.
        CasLecture{"LaterEntryReplaces",
                   {"fr", "", "", ";; premier", "4", "><", "", "4", ">quatre<"},
                   true,
                   {"fr"},
                   4,
                   "quatre\r\n"},
        // A large number names one entry, nothing more.
        CasLecture{"LargeNumber", {"fr", "", "2000000000", ">loin<"}, true, {"fr"}, 2000000000, "loin\r\n"},
        // No code: entries hold no line.
        CasLecture{"NoCode", {"", "1"}, true, {}, 1, ""}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(TextesNdC, LinesEndedByLineFeedAloneReadTheSame)
{
    TTextesNdC textes;
    ASSERT_TRUE(textes.Lire(kMinimal.join(u'\n')));
    EXPECT_EQ(textes.Texte(1), QStringLiteral("Note de calcul\r\nCalculation note\r\n"));
}

TEST(TextesNdC, CurrentLanguageFollowsTheCodesAndFallsBackOnTheFirst)
{
    TTextesNdC textes;
    ASSERT_TRUE(textes.Lire(Fichier({QStringLiteral("fr"), QStringLiteral("en"), QStringLiteral("de")})));
    textes.RendreCourante(QStringLiteral("EN"));
    EXPECT_EQ(textes.LangueActive(), QStringLiteral("en"));
    textes.RendreCourante(QStringLiteral("it"));
    EXPECT_EQ(textes.LangueActive(), QStringLiteral("fr"));
    textes.RendreCourante(QStringLiteral("de"));
    ASSERT_TRUE(textes.Lire(Fichier(kMinimal)));
    EXPECT_EQ(textes.LangueActive(), QStringLiteral("fr")) << "a new reading starts with the first language";

    ASSERT_TRUE(textes.Lire(Fichier({QString(), QStringLiteral("1")})));
    EXPECT_EQ(textes.LangueActive(), QStringLiteral("erreur"));
}

// The application's table, loaded from a file, with and without messages.
class ChargementTextesNdC : public ::testing::Test {
protected:
    void TearDown() override { TextesNdC().Vider(); }

    QString Ecrire(const QString& texte)
    {
        const QString chemin = dossier.filePath(QStringLiteral("textesndc.txt"));
        EcrireFichierTexte(texte, chemin);
        return chemin;
    }

    QTemporaryDir dossier;
    FakePlatformServices plateforme;
};

TEST_F(ChargementTextesNdC, MissingOrBlankFileIsNotFoundAndLeavesTheTable)
{
    ASSERT_TRUE(ChargerTextesNdC(Ecrire(Fichier(kMinimal)), true));
    const QString absent = dossier.filePath(QStringLiteral("absent.txt"));
    EXPECT_FALSE(ChargerTextesNdC(absent, false));
    EXPECT_TRUE(plateforme.messages.empty());
    EXPECT_FALSE(ChargerTextesNdC(absent, true));
    EXPECT_FALSE(ChargerTextesNdC(Ecrire(QStringLiteral(" \r\n\t\r\n")), true));
    EXPECT_EQ(plateforme.messages,
              (std::vector<QString>{QStringLiteral("pas trouvé le fichier des textes de NdC : ") + absent,
                                    QStringLiteral("pas trouvé le fichier des textes de NdC : ")
                                        + dossier.filePath(QStringLiteral("textesndc.txt"))}));
    EXPECT_EQ(TextesNdC().Texte(1), QStringLiteral("Note de calcul\r\nCalculation note\r\n"));
}

TEST_F(ChargementTextesNdC, MalformedFileIsReportedOnlyWithMessagesAndKeepsWhatWasRead)
{
    const QString chemin = Ecrire(Fichier({QStringLiteral("fr"), QString(), QStringLiteral("1"), QStringLiteral(">un<"),
                                           QStringLiteral("deux")}));
    EXPECT_FALSE(ChargerTextesNdC(chemin, false));
    EXPECT_TRUE(plateforme.messages.empty());
    EXPECT_FALSE(ChargerTextesNdC(chemin, true));
    EXPECT_EQ(plateforme.messages, std::vector<QString>{QStringLiteral("fichier des textes de NdC illisible : ") + chemin});
    EXPECT_EQ(TextesNdC().Texte(1), QStringLiteral("un\r\n"));
    EXPECT_EQ(LangueActive(), QStringLiteral("fr"));
}

TEST_F(ChargementTextesNdC, FileThatCannotBeOpenedIsReportedUnreadable)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const QString chemin = Ecrire(Fichier(kMinimal));
    ASSERT_TRUE(QFile::setPermissions(chemin, QFileDevice::WriteOwner));
    EXPECT_FALSE(ChargerTextesNdC(chemin, true));
    EXPECT_EQ(plateforme.messages, std::vector<QString>{QStringLiteral("fichier des textes de NdC illisible : ") + chemin});
}

TEST(TextesNdCLivres, ShippedFileReadsWholeWithFrenchFirst)
{
    TTextesNdC textes;
    ASSERT_TRUE(textes.Lire(LireFichierTexte(QStringLiteral(TOLVANE_DATA_DIR "/textesndc.txt"))));
    ASSERT_GE(textes.NbLangues(), 2);
    EXPECT_EQ(textes.Codes().mid(0, 2), (QStringList{QStringLiteral("fr"), QStringLiteral("en")}));
    EXPECT_EQ(textes.Texte(1), QStringLiteral("Note de calcul\r\nCalculation note\r\n"));
}
