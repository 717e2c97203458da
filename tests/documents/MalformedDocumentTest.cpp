#include "documents/DocumentFile.h"
#include "documents/FichPb.h"
#include "model/ButtressText.h"
#include "support/FakePlatformServices.h"
#include "util/AnsiCodePage.h"
#include "util/TextFields.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kBlocA = QStringLiteral("< délimstr A >");

QString ligneSection(int niveau)
{
    QString ligne = QString::number(niveau) + kTab;
    for (int i = 1; i < 23; ++i)
        ligne += QStringLiteral("0") + kTab;
    return ligne + kCrLf;
}

// One calculation block of the problem text with the given count line and
// section lines.
QString bloc(const QString& nom, const QString& compte, const QString& lignes = {})
{
    return kBlocA + kCrLf + nom + kCrLf + QStringLiteral("\r\n\r\nR\r\nc\r\n") + compte + kCrLf + lignes + kBlocA
        + kCrLf;
}

QString entete() { return QStringLiteral("5_1\r\n") + kBlocA + kCrLf + kBlocA + kCrLf + kBlocA + kCrLf + kBlocA + kCrLf; }

QStringList noms(const TFichPb& fp)
{
    QStringList n;
    for (const TCalcul* c : fp.Calculs())
        n << c->nomtab;
    return n;
}

} // namespace

// A document file whose calculations carry garbled section counts of a few
// bytes each: they would have demanded gigabytes of sections; each keeps its
// name and the sections it holds, the user is told, and nothing is dropped.
TEST(MalformedDocument, GarbledSectionCountsKeepEveryCalculation)
{
    QString texte = entete() + bloc(QStringLiteral("C1"), QStringLiteral("1"), ligneSection(0));
    QStringList attendus{QStringLiteral("C1")};
    for (int i = 0; i < 20; ++i) {
        texte += bloc(QStringLiteral("X%1").arg(i), QStringLiteral("99999"));
        attendus.append(QStringLiteral("X%1").arg(i));
    }
    texte += bloc(QStringLiteral("C2"), QStringLiteral("2"), ligneSection(0));
    attendus.append(QStringLiteral("C2"));

    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("abime.Tolvane"));
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write("TFileHeader V1.00 030504 01234voktasq43210\r\n\r\n" + AnsiCodePage::fromUnicode(texte));
    fichier.close();

    FakePlatformServices platform;
    const auto fp = LireDocument(chemin);
    EXPECT_EQ(noms(*fp), attendus);
    EXPECT_EQ(fp->NbCalculsIgnores, 0);
    EXPECT_EQ(platform.messages.size(), 20u);
    EXPECT_EQ(fp->Calculs()[1]->DAP->Data.Sections.size(), 0);
    EXPECT_EQ(fp->Calculs()[21]->DAP->Data.Sections.size(), 2) << "one missing line is still a truncated calculation";
}

// Runs of blank lines between and after the calculations keep their reading:
// a pair of blank lines is an empty block (a nameless calculation), blanks at
// the very end are nothing, and text after a long run is still read.
TEST(MalformedDocument, BlankRunsBetweenCalculationsReadAsBefore)
{
    const QString c1 = bloc(QStringLiteral("C1"), QStringLiteral("0"));
    const QString c2 = bloc(QStringLiteral("C2"), QStringLiteral("0"));
    const QString blancs = QStringLiteral("\r\n").repeated(1000);
    const struct {
        const char* name;
        QString corps;
        QStringList attendus;
    } cases[] = {
        {"sans blanc", c1 + c2, {"C1", "C2"}},
        {"blancs à la fin", c1 + c2 + blancs + QStringLiteral("  \t "), {"C1", "C2"}},
        {"deux lignes vides entre", c1 + QStringLiteral("\r\n\r\n") + c2, {"C1", "", "C2"}},
        {"longue suite puis un texte", c1 + blancs + QStringLiteral("x"), QStringList{"C1"} + QStringList(501, "")},
        {"longue suite puis un calcul", c1 + blancs + c2, QStringList{"C1"} + QStringList(500, "") + QStringList{"C2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TFichPb fp;
        fp.LoadFromString(entete() + c.corps);
        EXPECT_EQ(noms(fp), c.attendus);
        EXPECT_EQ(fp.NbCalculsIgnores, 0);
    }
}
