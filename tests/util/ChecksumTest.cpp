#include "util/Checksum.h"

#include <gtest/gtest.h>

#include <random>

TEST(Checksum, MatchesTheReferenceValues)
{
    EXPECT_EQ(Checksum::ofText(QStringLiteral("abc")), 0x1B957D29u);
    EXPECT_EQ(Checksum::ofText(QString()), 0xFFFFFFFFu);
    EXPECT_EQ(Checksum::ofBuffer(nullptr, 0), 0xDEBB20E3u);
    const char bytes[] = {'a', 0, 'b', 0, 'c', 0};
    EXPECT_EQ(Checksum::ofBuffer(bytes, sizeof bytes), 0x1B957D29u);
}

TEST(Checksum, TellsTextsApart)
{
    EXPECT_NE(Checksum::ofText(QStringLiteral("ab")), Checksum::ofText(QStringLiteral("ba")));
    EXPECT_NE(Checksum::ofText(QStringLiteral("même début, fin A")), Checksum::ofText(QStringLiteral("même début, fin B")));
    EXPECT_NE(Checksum::ofText(QStringLiteral("é")), Checksum::ofText(QStringLiteral("e")));
}

TEST(Checksum, InPiecesEqualsTheWholeText)
{
    const QString texte = QStringLiteral("1\r\nPile nord été\r\n2\r\n0\t0.6\t");
    for (qsizetype coupe = 0; coupe <= texte.size(); ++coupe) {
        Checksum::Cumul cumul;
        cumul.ajouter(QStringView(texte).left(coupe));
        cumul.ajouter(QStringView(texte).mid(coupe));
        EXPECT_EQ(cumul.valeur(), Checksum::ofText(texte)) << coupe;
    }
    Checksum::Cumul vide;
    vide.ajouter(QStringView());
    EXPECT_EQ(vide.valeur(), Checksum::ofText(QString()));
}

// Eight bytes at a time gives what one byte at a time gives, for texts of
// every length and characters of every byte pattern, fed whole or in pieces.
TEST(Checksum, MatchesTheBytewiseRegisterOnRandomTexts)
{
    std::mt19937 alea(20261210);
    for (int essai = 0; essai < 2000; ++essai) {
        QString texte(int(alea() % 40), Qt::Uninitialized);
        for (QChar& c : texte)
            c = QChar(char16_t(alea() % 3 == 0 ? alea() & 0xFFFF : alea() % 0x180));
        QByteArray octets;
        for (const QChar c : texte) {
            octets.append(char(c.unicode() & 0xFF));
            octets.append(char(c.unicode() >> 8));
        }
        const std::uint32_t attendu = texte.isEmpty() ? 0xFFFFFFFFu : Checksum::ofBuffer(octets.constData(), octets.size());
        ASSERT_EQ(Checksum::ofText(texte), attendu) << essai;
        Checksum::Cumul morceaux;
        qsizetype debut = 0;
        while (debut < texte.size()) {
            const qsizetype longueur = qsizetype(alea() % 11);
            morceaux.ajouter(QStringView(texte).mid(debut, longueur));
            debut += longueur;
        }
        ASSERT_EQ(morceaux.valeur(), attendu) << essai;
    }
}
