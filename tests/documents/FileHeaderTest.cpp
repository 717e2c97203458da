#include "support/FakePlatformServices.h"
#include "documents/FileHeader.h"
#include "util/Errors.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kIdent = "TFileHeader V1.00 030504 01234voktasq43210";

// Loads bytes through a header whose properties start as "avant=1"; returns
// the body handed to OnLoad (empty optional when OnLoad was not called).
struct Chargement {
    std::optional<QByteArray> corps;
    QStringList proprietes;
};

Chargement charger(const QByteArray& octets)
{
    TFileHeader fh;
    fh.SetValeur(QStringLiteral("avant"), QStringLiteral("1"));
    Chargement resultat;
    fh.setOnLoad([&](QIODevice& FS, void*) { resultat.corps = FS.readAll(); });
    QBuffer flux;
    flux.setData(octets);
    flux.open(QIODevice::ReadOnly);
    fh.LoadFromStream(flux);
    resultat.proprietes = fh.Strings();
    return resultat;
}

QByteArray lireFichier(const QString& chemin)
{
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(FileHeader, SavesIdentificationPropertiesAndEmptyLineBeforeTheBody)
{
    TFileHeader fh;
    QBuffer flux;
    flux.open(QIODevice::WriteOnly);
    fh.SaveToStream(flux);
    EXPECT_EQ(flux.data(), kIdent + "\r\n\r\n");

    fh.SetValeur(QStringLiteral("comments"), QStringLiteral("ligne 1\r\nété"));
    fh.SetValeur(QStringLiteral("Auteur"), QStringLiteral("Zoé"));
    void* recu = nullptr;
    int donnee = 0;
    fh.setOnSave([&](QIODevice& FS, void* data) {
        recu = data;
        FS.write("CORPS");
    });
    QBuffer flux2;
    flux2.open(QIODevice::WriteOnly);
    fh.SaveToStream(flux2, &donnee);
    EXPECT_EQ(flux2.data(), kIdent + "\r\ncomments=ligne 1\x07\xE9t\xE9\r\nAuteur=Zo\xE9\r\n\r\nCORPS");
    EXPECT_EQ(recu, &donnee);
}

TEST(FileHeader, RecognisesOnlyTheExactIdentificationLine)
{
    const struct {
        const char* nom;
        QByteArray octets;
        QByteArray corps;
        QStringList proprietes;
    } cas[] = {
        {"en-tête et propriétés", kIdent + "\r\ncomments=a\x07" "b\r\nx=\xE9\r\n\r\nCORPS\r\n", "CORPS\r\n",
         {QStringLiteral("comments=a\x07" "b"), QStringLiteral("x=é")}},
        {"sans propriété", kIdent + "\r\n\r\n5_1\r\n", "5_1\r\n", {}},
        {"sans ligne vide : tout devient propriété", kIdent + "\r\na=1\r\nb=2", "",
         {QStringLiteral("a=1"), QStringLiteral("b=2")}},
        {"ligne d'identification seule, sans fin de ligne", kIdent, "", {}},
        {"marque UTF-8", "\xEF\xBB\xBF" + kIdent + "\r\nauteur=\xC3\xA9\r\n\r\nCORPS", "CORPS",
         {QStringLiteral("auteur=é")}},
        {"marque UTF-16", QByteArray("\xFF\xFE", 2) + QByteArray("T\0F\0i\0\r\0\n\0", 10), // not the line
         QByteArray("\xFF\xFE", 2) + QByteArray("T\0F\0i\0\r\0\n\0", 10), {QStringLiteral("avant=1")}},
        {"identification suivie d'autre chose", kIdent + "x\r\n\r\nCORPS", kIdent + "x\r\n\r\nCORPS",
         {QStringLiteral("avant=1")}},
        {"version tronquée", "TFileHeader V1.00\r\n\r\nCORPS", "TFileHeader V1.00\r\n\r\nCORPS",
         {QStringLiteral("avant=1")}},
        {"casse différente", kIdent.toLower() + "\r\n\r\n", kIdent.toLower() + "\r\n\r\n", {QStringLiteral("avant=1")}},
        {"fichier vide", "", "", {QStringLiteral("avant=1")}},
        {"un seul octet", "T", "T", {QStringLiteral("avant=1")}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const Chargement r = charger(c.octets);
        ASSERT_TRUE(r.corps.has_value());
        EXPECT_EQ(*r.corps, c.corps);
        EXPECT_EQ(r.proprietes, c.proprietes);
    }
}

TEST(FileHeader, ReadsAUtf16FileWithItsHeader)
{
    const QString texte = QString::fromLatin1(kIdent) + QStringLiteral("\r\nauteur=Zoé\r\n\r\nCORPS");
    QByteArray octets("\xFF\xFE", 2);
    for (const QChar c : texte) {
        octets.append(char(c.unicode() & 0xFF));
        octets.append(char(c.unicode() >> 8));
    }
    const Chargement r = charger(octets);
    EXPECT_EQ(r.proprietes, QStringList{QStringLiteral("auteur=Zoé")});
    EXPECT_EQ(*r.corps, QByteArray("C\0O\0R\0P\0S\0", 10));
}

TEST(FileHeader, ValuesAndNamesFollowTheirRules)
{
    TFileHeader fh;
    fh.setOnLoad([](QIODevice&, void*) {});
    QBuffer flux;
    flux.setData(kIdent + "\r\ncomments=a\x07" "b\r\n\r\n");
    flux.open(QIODevice::ReadOnly);
    fh.LoadFromStream(flux);
    EXPECT_EQ(fh.GetValeur(QStringLiteral("COMMENTS")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(fh.GetValeur(QStringLiteral("absent")), QString());

    fh.SetValeur(QStringLiteral("Auteur"), QString());
    EXPECT_EQ(fh.Strings().back(), QStringLiteral("Auteur="));
    fh.SetValeur(QStringLiteral("auteur"), QString());
    EXPECT_EQ(fh.Strings(), QStringList{QStringLiteral("comments=a\x07" "b")});

    fh.SetValeur(QStringLiteral("Comments"), QStringLiteral("1\r\n2\r3\n4\n\r5"));
    EXPECT_EQ(fh.Strings(), QStringList{QStringLiteral("comments=1\x07" "2\x07" "3\x07" "4\x07\x07" "5")});
    EXPECT_EQ(fh.GetValeur(QStringLiteral("comments")), QStringLiteral("1\r\n2\r\n3\r\n4\r\n\r\n5"));
}

TEST(FileHeader, ModifiedFollowsTheChecksumOfTheProperties)
{
    TFileHeader fh;
    EXPECT_FALSE(fh.Modified());
    fh.SetValeur(QStringLiteral("a"), QStringLiteral("1"));
    EXPECT_TRUE(fh.Modified());
    QBuffer flux;
    flux.open(QIODevice::WriteOnly);
    fh.SaveToStream(flux);
    EXPECT_FALSE(fh.Modified());
    fh.SetValeur(QStringLiteral("a"), QStringLiteral("2"));
    EXPECT_TRUE(fh.Modified());
    fh.SetValeur(QStringLiteral("a"), QStringLiteral("1"));
    EXPECT_FALSE(fh.Modified());
    fh.Init();
    EXPECT_TRUE(fh.Strings().isEmpty());
    EXPECT_FALSE(fh.Modified());
}

TEST(FileHeader, RefusesAStreamThatIsNotAtItsStart)
{
    FakePlatformServices fake;
    TFileHeader fh;
    bool evenement = false;
    fh.setOnSave([&](QIODevice&, void*) { evenement = true; });
    fh.setOnLoad([&](QIODevice&, void*) { evenement = true; });

    QBuffer ecriture;
    ecriture.open(QIODevice::ReadWrite);
    ecriture.write("xy");
    fh.SaveToStream(ecriture);
    EXPECT_EQ(ecriture.data(), QByteArray("xy"));

    QBuffer lecture;
    lecture.setData(kIdent + "\r\na=1\r\n\r\n");
    lecture.open(QIODevice::ReadOnly);
    lecture.seek(1);
    fh.LoadFromStream(lecture);
    EXPECT_TRUE(fh.Strings().isEmpty());

    EXPECT_FALSE(evenement);
    const std::vector<QString> attendus(2, QStringLiteral("erreur TFileHeader : le flux n'est pas en début (Position>0)"));
    EXPECT_EQ(fake.messages, attendus);
}

TEST(FileHeader, FilesRoundTripAndAMissingFileChangesNothing)
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("doc.Tolvane"));
    TFileHeader fh;
    fh.SetValeur(QStringLiteral("comments"), QStringLiteral("a\r\nb"));
    fh.setOnSave([](QIODevice& FS, void*) { FS.write("CORPS"); });
    fh.SaveToFile(chemin);
    EXPECT_EQ(lireFichier(chemin), kIdent + "\r\ncomments=a\x07" "b\r\n\r\nCORPS");

    TFileHeader relu;
    QByteArray corps;
    relu.setOnLoad([&](QIODevice& FS, void*) { corps = FS.readAll(); });
    relu.LoadFromFile(chemin);
    EXPECT_EQ(relu.GetValeur(QStringLiteral("comments")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(corps, QByteArray("CORPS"));
    EXPECT_FALSE(relu.Modified());

    bool evenement = false;
    relu.setOnLoad([&](QIODevice&, void*) { evenement = true; });
    relu.LoadFromFile(dir.filePath(QStringLiteral("absent.Tolvane")));
    EXPECT_FALSE(evenement);
    EXPECT_EQ(relu.GetValeur(QStringLiteral("comments")), QStringLiteral("a\r\nb"));

    EXPECT_THROW(relu.LoadFromFile(dir.path()), EInOutError);
}

TEST(FileHeader, AFailedSaveKeepsThePreviousFileAndTheModifiedState)
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("doc.Tolvane"));
    {
        QFile f(chemin);
        f.open(QIODevice::WriteOnly);
        f.write("ANCIEN");
    }
    TFileHeader fh;
    fh.SetValeur(QStringLiteral("a"), QStringLiteral("1"));
    fh.setOnSave([](QIODevice&, void*) { throw EInOutError(QStringLiteral("disque plein")); });
    EXPECT_THROW(fh.SaveToFile(chemin), EInOutError);
    EXPECT_EQ(lireFichier(chemin), QByteArray("ANCIEN"));
    EXPECT_TRUE(fh.Modified());

    EXPECT_THROW(fh.SaveToFile(dir.filePath(QStringLiteral("absent/doc.Tolvane"))), EInOutError);
}
