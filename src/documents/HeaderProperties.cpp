#include "documents/HeaderProperties.h"

#include "documents/FileHeader.h"
#include "util/TextFields.h"

#include <QRegularExpression>

namespace {

constexpr QChar kBel = QChar(7);

// A value holds no line break in a header entry nor in a settings line: each
// one becomes BEL, as the header itself stores them.
QString SansSautDeLigne(QString valeur)
{
    valeur.replace(kCrLf, QString(kBel));
    valeur.replace(u'\r', kBel);
    valeur.replace(u'\n', kBel);
    return valeur;
}

bool EstCommentaires(const QString& nom) { return nom.compare(kNomCommentaires, Qt::CaseInsensitive) == 0; }

} // namespace

TProprieteNommee DecouperEntree(const QString& entree)
{
    const qsizetype egal = entree.indexOf(u'=');
    if (egal < 0)
        return {entree, QString()};
    return {entree.left(egal), entree.mid(egal + 1)};
}

TProprietesDocument LireProprietes(const TFileHeader& FH)
{
    TProprietesDocument resultat;
    resultat.commentaires = FH.GetValeur(kNomCommentaires);
    for (const QString& entree : FH.Strings()) {
        TProprieteNommee propriete = DecouperEntree(entree);
        if (!EstCommentaires(propriete.nom))
            resultat.proprietes.append(std::move(propriete));
    }
    return resultat;
}

QStringList EntreesEntete(const TProprietesDocument& proprietes)
{
    QStringList entrees;
    for (const TProprieteNommee& p : proprietes.proprietes)
        entrees.append(p.nom + u'=' + SansSautDeLigne(p.valeur));
    entrees.append(kNomCommentaires + u'=' + SansSautDeLigne(proprietes.commentaires));
    return entrees;
}

RefusNom VerifierNouveauNom(const QStringList& noms, const QString& nom, bool proprietesEntete)
{
    if (nom.trimmed().isEmpty())
        return RefusNom::Vide;
    // The name ends at the first "=" and an entry at the end of its line: such
    // a name would come back from the file as another name.
    for (const QChar c : nom)
        if (c == u'=' || c.category() == QChar::Other_Control)
            return RefusNom::CaractereInterdit;
    if (proprietesEntete && EstCommentaires(nom))
        return RefusNom::Existe;
    for (const QString& existant : noms)
        if (existant.compare(nom, Qt::CaseInsensitive) == 0)
            return RefusNom::Existe;
    return RefusNom::Aucun;
}

QString MessageRefusNom(RefusNom refus)
{
    switch (refus) {
    case RefusNom::Aucun:
        break;
    case RefusNom::Existe:
        return QStringLiteral("la propriété existe déjà");
    case RefusNom::Vide:
        return QStringLiteral("le nom de la propriété ne peut pas être vide");
    case RefusNom::CaractereInterdit:
        return QStringLiteral("le nom de la propriété ne peut contenir ni « = » ni caractère de contrôle");
    }
    return {};
}

QList<TProprieteNommee> LireListeNoms(const QString& texte)
{
    static const QRegularExpression finDeLigne(QStringLiteral("\r\n|\r|\n"));
    QList<TProprieteNommee> lignes;
    for (const QString& ligne : texte.split(finDeLigne, Qt::SkipEmptyParts))
        lignes.append(DecouperEntree(ligne));
    return lignes;
}

QString TexteListeNoms(const QList<TProprieteNommee>& lignes)
{
    QString texte;
    for (const TProprieteNommee& l : lignes)
        texte += SansSautDeLigne(l.nom) + u'=' + SansSautDeLigne(l.valeur) + kCrLf;
    return texte;
}
