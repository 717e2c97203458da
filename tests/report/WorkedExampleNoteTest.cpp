#include "QStringPrinter.h"
#include "model/Calculation.h"
#include "report/CalculationNote.h"
#include "support/FakePlatformServices.h"

#include <QRegularExpression>
#include "support/Sections.h"

#include <gtest/gtest.h>

namespace {

// Texts and classes of the cells of the first section's row in each result
// table (the first data row follows the title and the two heading rows).
QList<QStringList> PremieresLignes(const QString& corps)
{
    static const QRegularExpression kCellule(QStringLiteral("<TD ([^>]*)>(.*?)</TD>"));
    QList<QStringList> lignes;
    const QStringList tables = corps.split(QStringLiteral("</TABLE>"), Qt::SkipEmptyParts);
    for (const QString& table : tables.mid(1)) {
        const QString tr = table.split(QStringLiteral("<TR >")).value(4);
        QStringList cellules;
        auto it = kCellule.globalMatch(tr);
        while (it.hasNext()) {
            const auto m = it.next();
            const QString classe = m.captured(1).startsWith(QStringLiteral("class=")) ? m.captured(1).section(u'"', 1, 1)
                                                                                      : QString();
            cellules.append(classe.isEmpty() ? m.captured(2) : m.captured(2) + QStringLiteral(" [") + classe + u']');
        }
        lignes.append(cellules);
    }
    return lignes;
}

} // namespace

TEST(WorkedExampleNote, BottomSectionRowMatchesCellForCell)
{
    FakePlatformServices fake;
    TDonneesAppli DA;
    DA.Data.Sections.append(SectionMaconnerie(0, 1.0));
    TSection haut = SectionMaconnerie(3, 0.6);
    haut.se_chargePG = {0, -2000};
    haut.se_posicharge = 0.3;
    haut.se_chargePW = {300, 0};
    DA.Data.Sections.append(haut);
    ASSERT_TRUE(CalculerDonnees(DA));
    EXPECT_TRUE(fake.messages.empty());

    const auto lignes = PremieresLignes(CorpsNdC(DA.Data, false));
    ASSERT_EQ(lignes.size(), 5);
    EXPECT_EQ(lignes[0], (QStringList{"1", "0.00", "-38.40", "-15.68", "0.00", "0.00", "0.00", "0.00", "-20.00",
                                      "-6.00", "0.00", "0.00", "0.00", "0.00", "-58.40", "-21.68"}));
    EXPECT_EQ(lignes[1], (QStringList{"1", "0.00", "0.00", "0.00", "3.00", "0.00", "-9.00", "0.00", "0.00", "0.00",
                                      "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(lignes[2], (QStringList{"1", "1.35 G", "0.00", "-78.84", "10.15", "4 % [OK]"}));
    EXPECT_EQ(lignes[3], (QStringList{"1", "1.35 G", "0.00", "-78.84", "10.15", "0.13 (<0.17)  [OK]"}));
    EXPECT_EQ(lignes[4], (QStringList{"1", "0.90 G + 1.50 W", "4.50", "-52.56", "-6.73", "4.89 [OK]"}));
}
