#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>
#include <utility>

class TObjTab;

// The tab records that the calculation tabs put in the edit history, and their
// labels. A record starts with the letter of its command; its fields are
// separated by U+0003; an object list names every tab of the bar, tab 0
// included, in tab order, by identities separated by single spaces.
namespace TabRecords {

inline constexpr QChar kAjout{u'A'};
inline constexpr QChar kSuppression{u'S'};
inline constexpr QChar kRenommage{u'R'};
inline constexpr QChar kCouperColler{u'X'};
inline constexpr QChar kCopierColler{u'C'};

QString Libelle(QChar commande);

// An object's identity in a record, and back: the live tab object with that
// identity, nullptr when it no longer exists.
QString Identite(const TObjTab* objet);
TObjTab* ObjetDIdentite(QStringView identite);

QString ListeObjets(const QList<TObjTab*>& objets);
QList<TObjTab*> LireListeObjets(QStringView texte);

// A tab record split into its fields; objects that no longer exist are nullptr.
struct TEnregOnglet {
    QChar commande;
    int position = 0;          // 'A': 0 = appended, otherwise the index of the inserted tab
    TObjTab* objet = nullptr;  // 'A', 'R'
    QString nouveauNom;        // 'R'
    QString ancienNom;         // 'R'
    QList<std::pair<int, TObjTab*>> supprimes; // 'S': index and object, increasing indices
    QList<TObjTab*> avant;     // 'X', 'C'
    QList<TObjTab*> apres;     // 'X', 'C'
};

QString Ajout(int position, const TObjTab* objet);
QString Suppression(const QList<std::pair<int, TObjTab*>>& supprimes);
QString Renommage(const QString& nouveauNom, const QString& ancienNom, const TObjTab* objet);
QString Deplacement(QChar commande, const QList<TObjTab*>& avant, const QList<TObjTab*>& apres);

// An empty commande for a text that is no tab record.
TEnregOnglet Lire(const QString& donnees);

} // namespace TabRecords
