#include "EditingBench.h"
#include "editing/UndoRecords.h"

#include <gtest/gtest.h>
#include <new>

TEST(UndoRecords, ReferencesAreUpperHexWithoutLeadingZerosAndReadBack)
{
    struct Cas {
        TNumeroSerie numero;
        const char* texte;
    };
    for (const Cas& c : {Cas{0x1, "1"}, Cas{0xABCDEF, "ABCDEF"}, Cas{0x7f00a0b0c0d0, "7F00A0B0C0D0"},
                         Cas{0xFFFFFFFFFFFFFFFF, "FFFFFFFFFFFFFFFF"}}) {
        EXPECT_EQ(ReferenceSerie(c.numero), QString::fromLatin1(c.texte));
        EXPECT_EQ(LireReference(ReferenceSerie(c.numero)), c.numero);
    }
    for (const char* illisible : {"", " ", "xyz", "-"})
        EXPECT_EQ(LireReference(QString::fromLatin1(illisible)), 0u) << illisible;
    EXPECT_EQ(ReferenceObjet(static_cast<const TObjetEdite*>(nullptr)), QStringLiteral("0"));

    FauxCalcul vivant(QStringLiteral("a"));
    EXPECT_EQ(TObjetEdite::ParNumero(LireReference(ReferenceObjet(&vivant))), &vivant);
    TNumeroSerie disparu = 0;
    {
        FauxCalcul temporaire(QStringLiteral("b"));
        disparu = LireReference(ReferenceObjet(&temporaire));
        FauxCalcul copie(temporaire); // a copy is another object
        EXPECT_NE(copie.NumeroSerie(), temporaire.NumeroSerie());
        EXPECT_EQ(TObjetEdite::ParNumero(LireReference(ReferenceObjet(&copie))), &copie);
    }
    EXPECT_EQ(TObjetEdite::ParNumero(disparu), nullptr);
    EXPECT_EQ(TObjetEdite::ParNumero(0), nullptr);
}

TEST(UndoRecords, SerialNumbersAreNeverGivenTwiceEvenAtTheSameAddress)
{
    // Objects built one after the other in the same storage share their
    // address, never their number.
    alignas(FauxCalcul) unsigned char place[sizeof(FauxCalcul)];
    TNumeroSerie precedent = 0;
    for (int i = 0; i < 3; ++i) {
        auto* objet = new (place) FauxCalcul(QStringLiteral("x"));
        EXPECT_GT(objet->NumeroSerie(), precedent);
        if (precedent != 0) {
            EXPECT_EQ(TObjetEdite::ParNumero(precedent), nullptr);
        }
        precedent = objet->NumeroSerie();
        objet->~FauxCalcul();
    }
    TdcBaseRelais r1;
    TdcBaseRelais r2;
    EXPECT_NE(r1.NumeroSerie(), r2.NumeroSerie());
    EXPECT_EQ(RelaisParNumero(r2.NumeroSerie()), &r2);
}

TEST(UndoRecords, ProtectedTextsComeBackExactly)
{
    const QString cas[] = {
        QString(),
        QStringLiteral("texte ordinaire, accentué : été"),
        QStringLiteral("fin avec espaces  \r\n\r\n"),
        QString(QChar(1)) + QStringLiteral("a") + QChar(2) + QStringLiteral("b") + QChar(3),
        QString(QChar(4)),
        QString(QChar(4)) + QStringLiteral("1"), // the escape character followed by a digit
    };
    for (const QString& texte : cas) {
        const QString protege = ProtegerTexteUR(texte);
        for (int c = 1; c <= 3; ++c)
            EXPECT_FALSE(protege.contains(QChar(c))) << texte.toStdString();
        EXPECT_EQ(RestaurerTexteUR(protege), texte);
    }
    EXPECT_EQ(ProtegerTexteUR(cas[2]), cas[2]); // ordinary texts stay as they are
}

TEST(UndoRecords, ListsKeepNewestFirstWithoutTrailingSeparator)
{
    QString liste;
    EXPECT_TRUE(RetirerPremierEnreg(liste).isEmpty());
    MettreEnTete(liste, QStringLiteral("A"));
    EXPECT_EQ(liste, QStringLiteral("A"));
    MettreEnTete(liste, QStringLiteral("B"));
    EXPECT_EQ(liste, QStringLiteral("B") + QChar(1) + QStringLiteral("A"));
    EXPECT_EQ(EnregsDeListe(liste), (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
    EXPECT_EQ(RetirerPremierEnreg(liste), QStringLiteral("B"));
    EXPECT_EQ(RetirerPremierEnreg(liste), QStringLiteral("A"));
    EXPECT_TRUE(liste.isEmpty());

    const QString enreg = ConstruireEnregUR(QChar(u'1'), QStringLiteral("lib"), QStringLiteral("A B"),
                                            QStringLiteral("R") + QChar(2) + QStringLiteral("v") + QChar(3) + QChar(2));
    const TEnregUR r = DecouperEnregUR(enreg);
    EXPECT_EQ(r.genre, QChar(u'1'));
    EXPECT_EQ(r.libelle, QStringLiteral("lib"));
    EXPECT_EQ(r.objets, QStringLiteral("A B"));
    EXPECT_EQ(r.donnees, QStringLiteral("R") + QChar(2) + QStringLiteral("v") + QChar(3) + QChar(2));
}

TEST(UndoRecords, EditRecordHoldsLabelObjectRelayAndPreviousValue)
{
    BancEdition banc;
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("ancien texte"));
    banc.selectionner({calcul});
    banc.saisir(QStringLiteral("nouveau texte"));

    const QChar s2(2), s3(3);
    const QString attendu = QStringLiteral("1changement d'une valeur") + s2 + ReferenceObjet(calcul) + s2
        + ReferenceObjet(&banc.relais) + s2 + QStringLiteral("ancien texte") + s3 + s2;
    EXPECT_EQ(banc.dc.aDefaire(), attendu);
    EXPECT_EQ(calcul->texte, QStringLiteral("nouveau texte"));
}
