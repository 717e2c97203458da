#include "documents/FileHeader.h"
#include "documents/HeaderProperties.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

const QString kBel = QString(QChar(7));

// The header after a save and a load: what a reopened document holds.
TFileHeader Relu(const TFileHeader& FH)
{
    TFileHeader copie = FH;
    QBuffer flux;
    flux.open(QIODevice::WriteOnly);
    copie.SaveToStream(flux);
    flux.close();
    flux.open(QIODevice::ReadOnly);
    TFileHeader relu;
    relu.LoadFromStream(flux);
    return relu;
}

} // namespace

TEST(HeaderProperties, ATwoLineCommentAndNamedPropertiesGoBackWithTheCommentLast)
{
    TFileHeader FH;
    FH.SetValeur(QStringLiteral("comments"), QStringLiteral("ancien"));
    FH.SetValeur(QStringLiteral("Auteur"), QStringLiteral("Zoé"));
    FH.SetValeur(QStringLiteral("Affaire"), QStringLiteral("nef\r\nsud"));

    TProprietesDocument p = LireProprietes(FH);
    EXPECT_EQ(p.commentaires, QStringLiteral("ancien"));
    ASSERT_EQ(p.proprietes.size(), 2);
    EXPECT_EQ(p.proprietes[0], (TProprieteNommee{QStringLiteral("Auteur"), QStringLiteral("Zoé")}));
    // A value keeps the header's BEL, so that it comes back untouched.
    EXPECT_EQ(p.proprietes[1].valeur, QStringLiteral("nef") + kBel + QStringLiteral("sud"));

    p.commentaires = QStringLiteral("ligne 1\r\nligne 2");
    p.proprietes.append({QStringLiteral("Date"), QStringLiteral("mars")});
    FH.RemplacerProprietes(EntreesEntete(p));
    EXPECT_EQ(FH.Strings(), (QStringList{QStringLiteral("Auteur=Zoé"), QStringLiteral("Affaire=nef") + kBel + "sud",
                                         QStringLiteral("Date=mars"),
                                         QStringLiteral("comments=ligne 1") + kBel + QStringLiteral("ligne 2")}));
    EXPECT_TRUE(FH.Modified());

    const TFileHeader relu = Relu(FH);
    EXPECT_EQ(relu.GetValeur(QStringLiteral("comments")), QStringLiteral("ligne 1\r\nligne 2"));
    EXPECT_EQ(LireProprietes(relu), p);
}

TEST(HeaderProperties, AHeaderWithoutPropertiesGetsOneEmptyComment)
{
    const TFileHeader vide;
    const TProprietesDocument p = LireProprietes(vide);
    EXPECT_TRUE(p.commentaires.isEmpty());
    EXPECT_TRUE(p.proprietes.isEmpty());
    EXPECT_EQ(EntreesEntete(p), QStringList{QStringLiteral("comments=")});
}

TEST(HeaderProperties, LineBreaksOfTypedValuesCannotSplitAnEntry)
{
    const TProprietesDocument p{QStringLiteral("a\rb\nc"), {{QStringLiteral("Note"), QStringLiteral("x\r\ny\nz")}}};
    EXPECT_EQ(EntreesEntete(p), (QStringList{QStringLiteral("Note=x") + kBel + "y" + kBel + "z",
                                             QStringLiteral("comments=a") + kBel + "b" + kBel + "c"}));
}

TEST(HeaderProperties, EveryCommentsEntryIsTheCommentNotANamedProperty)
{
    TFileHeader FH;
    FH.RemplacerProprietes({QStringLiteral("Comments=premier"), QStringLiteral("sansegal"),
                            QStringLiteral("comments=second")});
    const TProprietesDocument p = LireProprietes(FH);
    EXPECT_EQ(p.commentaires, QStringLiteral("premier"));
    EXPECT_EQ(p.proprietes, (QList<TProprieteNommee>{{QStringLiteral("sansegal"), QString()}}));
}

TEST(HeaderProperties, ANewNameIsCheckedAgainstTheGrid)
{
    const QStringList noms{QStringLiteral("Auteur"), QStringLiteral("Date")};
    struct Cas {
        const char* nom;
        bool proprietesEntete;
        RefusNom attendu;
    };
    const Cas cas[] = {
        {"Affaire", true, RefusNom::Aucun},
        {"Auteur", true, RefusNom::Existe},
        {"auteur", false, RefusNom::Existe}, // the header matches names whatever their case
        {"COMMENTS", true, RefusNom::Existe}, // the page "Commentaires" holds it
        {"comments", false, RefusNom::Aucun}, // an internal name is free
        {"", true, RefusNom::Vide},
        {"   ", false, RefusNom::Vide},
        {"a=b", true, RefusNom::CaractereInterdit},
        {"a\tb", false, RefusNom::CaractereInterdit},
        {"nom réservé", true, RefusNom::Aucun},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(VerifierNouveauNom(noms, QString::fromUtf8(c.nom), c.proprietesEntete), c.attendu) << c.nom;
    EXPECT_EQ(MessageRefusNom(RefusNom::Existe), QStringLiteral("la propriété existe déjà"));
    for (RefusNom r : {RefusNom::Vide, RefusNom::CaractereInterdit})
        EXPECT_FALSE(MessageRefusNom(r).isEmpty());
}

TEST(HeaderProperties, TheInternalNamesTravelAsNameValueLines)
{
    const QList<TProprieteNommee> lignes{{QStringLiteral("AUT"), QStringLiteral("Auteur")},
                                         {QStringLiteral("AFF"), QString()},
                                         {QStringLiteral("X"), QStringLiteral("a=b")}};
    const QString texte = TexteListeNoms(lignes);
    EXPECT_EQ(texte, QStringLiteral("AUT=Auteur\r\nAFF=\r\nX=a=b\r\n"));
    EXPECT_EQ(LireListeNoms(texte), lignes);
    EXPECT_EQ(LireListeNoms(QStringLiteral("A=1\n\nB=2\r")),
              (QList<TProprieteNommee>{{QStringLiteral("A"), QStringLiteral("1")}, {QStringLiteral("B"), QStringLiteral("2")}}));
    EXPECT_TRUE(LireListeNoms(QString()).isEmpty());
}
