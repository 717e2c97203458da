#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "util/ObjetEdite.h"

// The text form of the undo and redo lists. A list holds records, newest
// first, separated by kSepEnreg; a record is its kind character, its label,
// kSepChamp, its object list, kSepChamp, its data. In an edit record the data
// is, for each changed relay: its reference, kSepChamp, its values (each
// followed by kSepValeur), kSepChamp.

inline constexpr QChar kSepEnreg{0x0001};
inline constexpr QChar kSepChamp{0x0002};
inline constexpr QChar kSepValeur{0x0003};

inline constexpr QChar kGenreOnglet{u'0'};
inline constexpr QChar kGenreEdition{u'1'};
// A change of the document itself made by a command (its file properties):
// the data is the state it replaced, and replaying it swaps the two states.
inline constexpr QChar kGenreDocument{u'2'};

// Directions of a replay.
inline constexpr int kSensDefaire = 11;
inline constexpr int kSensRefaire = 12;

// A reference to an edited object or a relay: its serial number in
// upper-case hexadecimal digits, without prefix or leading zeros ("0" for no
// object).
QString ReferenceSerie(TNumeroSerie numero);
template <typename T>
QString ReferenceObjet(const T* objet)
{
    return ReferenceSerie(objet ? objet->NumeroSerie() : 0);
}
// The serial number written by ReferenceSerie; 0 when the text is not one.
TNumeroSerie LireReference(QStringView texte);

// A value, a label or a tab record may hold any character, also the
// separators above; such characters travel escaped (U+0004 then a digit) so
// that a record always splits back into what was put in. Texts without
// control characters U+0001 to U+0004 are left as they are.
QString ProtegerTexteUR(const QString& texte);
QString RestaurerTexteUR(const QString& texte);

// Undo record.
// One record, split into its fields (label and data as stored).
struct TEnregUR {
    QChar genre;
    QString libelle;
    QString objets;
    QString donnees;
};

QString ConstruireEnregUR(QChar genre, const QString& libelle, const QString& objets, const QString& donnees);
TEnregUR DecouperEnregUR(const QString& enreg);

// Takes the first record off the list (the text up to its first separator, or
// the whole list); empty for an empty list.
QString RetirerPremierEnreg(QString& liste);
// Puts a record first on a list.
void MettreEnTete(QString& liste, const QString& enreg);
// The records of a list, newest first.
QStringList EnregsDeListe(const QString& liste);

// The text of a list of references separated by single spaces.
template <typename T>
QString TexteReferences(const QList<T*>& objets)
{
    QStringList refs;
    refs.reserve(objets.size());
    for (const T* objet : objets)
        refs << ReferenceObjet(objet);
    return refs.join(u' ');
}

// Takes from the text the part up to the next separator (excluded) and removes
// it together with the separator; the whole text when there is none.
QString ExtraireJusqua(QString& texte, QChar separateur);
