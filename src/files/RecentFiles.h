#pragma once

#include <QString>
#include <QStringList>

// The comma text of a list of strings, as the recent-files value is stored:
// entries separated by ","; an entry holding a blank, a control character, a
// "," or a double quote is quoted, its inner double quotes doubled.
QString TexteVirgules(const QStringList& entries);
// Reads a comma text back; blanks outside quotes separate entries too.
QStringList LireTexteVirgules(const QString& text);

// The recent documents, most recent first. A path already listed (whatever its
// letter case) moves to the top instead of being listed twice.
class TListeRecents {
public:
    // How many entries pass from one run to the next.
    static constexpr int kEntreesEnregistrees = 17;

    // Puts the path first; with maxEntries > 0, a list already that long drops
    // its oldest entry to make room. A blank path is ignored.
    void Ajouter(const QString& path, int maxEntries);
    // Removes every entry.
    void Vider() { FEntrees.clear(); }

    const QStringList& Entrees() const { return FEntrees; }

    // The first kEntreesEnregistrees entries as a comma text.
    QString TexteEnregistre() const;
    // Adds the entries of a stored comma text, keeping their stored order on top.
    void ChargerTexte(const QString& text, int maxEntries);

private:
    QStringList FEntrees;
};
