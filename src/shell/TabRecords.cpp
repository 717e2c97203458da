#include "shell/TabRecords.h"

#include "documents/ObjTab.h"
#include "editing/UndoRecords.h"
#include "util/TabListText.h"

#include <QStringList>

namespace TabRecords {

namespace {

constexpr QChar kSep = kSepValeur; // U+0003 between the fields of a tab record

// A name may hold any character, the field separator too: it travels escaped
// so that the record always splits back into its fields.
QString Nom(const QString& nom) { return ProtegerTexteUR(nom); }

} // namespace

QString Libelle(QChar commande)
{
    switch (commande.unicode()) {
    case u'A':
        return QStringLiteral("Ajouter un onglet");
    case u'S':
        return QStringLiteral("Supprimer les onglets");
    case u'R':
        return QStringLiteral("Renommer un onglet");
    case u'X':
        return QStringLiteral("Couper-coller les onglets");
    case u'C':
        return QStringLiteral("Copier-coller les onglets");
    default:
        return {};
    }
}

QString Identite(const TObjTab* objet) { return IdentiteOnglet(objet); }

TObjTab* ObjetDIdentite(QStringView identite)
{
    return dynamic_cast<TObjTab*>(ObjetDIdentiteOnglet(identite.toString()));
}

QString ListeObjets(const QList<TObjTab*>& objets)
{
    QStringList identites;
    identites.reserve(objets.size());
    for (const TObjTab* objet : objets)
        identites << Identite(objet);
    return identites.join(u' ');
}

QList<TObjTab*> LireListeObjets(QStringView texte)
{
    QList<TObjTab*> objets;
    for (const QStringView identite : texte.split(u' ', Qt::SkipEmptyParts))
        objets << ObjetDIdentite(identite);
    return objets;
}

QString Ajout(int position, const TObjTab* objet)
{
    return kAjout + QString::number(position) + kSep + Identite(objet);
}

QString Suppression(const QList<std::pair<int, TObjTab*>>& supprimes)
{
    QStringList champs;
    for (const auto& [index, objet] : supprimes)
        champs << QString::number(index) << Identite(objet);
    return kSuppression + champs.join(kSep);
}

QString Renommage(const QString& nouveauNom, const QString& ancienNom, const TObjTab* objet)
{
    return kRenommage + Nom(nouveauNom) + kSep + Nom(ancienNom) + kSep + Identite(objet);
}

QString Deplacement(QChar commande, const QList<TObjTab*>& avant, const QList<TObjTab*>& apres)
{
    return commande + ListeObjets(avant) + kSep + ListeObjets(apres);
}

TEnregOnglet Lire(const QString& donnees)
{
    TEnregOnglet r;
    if (donnees.isEmpty())
        return r;
    const QChar commande = donnees.front();
    const QStringList champs = donnees.mid(1).split(kSep);
    const auto champ = [&champs](qsizetype i) { return i < champs.size() ? champs.at(i) : QString(); };
    switch (commande.unicode()) {
    case u'A':
        r.position = champ(0).toInt();
        r.objet = ObjetDIdentite(champ(1));
        break;
    case u'S':
        for (qsizetype i = 0; i + 1 < champs.size(); i += 2)
            r.supprimes.append({champs.at(i).toInt(), ObjetDIdentite(champs.at(i + 1))});
        break;
    case u'R':
        r.nouveauNom = RestaurerTexteUR(champ(0));
        r.ancienNom = RestaurerTexteUR(champ(1));
        r.objet = ObjetDIdentite(champ(2));
        break;
    case u'X':
    case u'C':
        r.avant = LireListeObjets(champ(0));
        r.apres = LireListeObjets(champ(1));
        break;
    default:
        return r;
    }
    r.commande = commande;
    return r;
}

} // namespace TabRecords
