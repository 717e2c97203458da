#pragma once

#include <QString>
#include <QStringList>
#include <map>

// The texts of the calculation notes in every language of "textesndc.txt".
//
// The file holds a header of language codes, one a line, ended by the first
// truly empty line; then entries: a line with the entry's positive number,
// followed by exactly one line per language, in the order of the header, each
// written ">text<". ";;" starts a comment anywhere. In a text, "_" stands for
// a TAB. An entry's text is its language lines, each ended by CR LF.
class TTextesNdC {
public:
    // Reads the text of a note-texts file. The table is emptied first and the
    // first language made current. False when the text is malformed: reading
    // stops there and what was read so far stays in the table.
    bool Lire(const QString& texte);

    // Language codes in lower case, in file order.
    const QStringList& Codes() const { return FCodes; }
    int NbLangues() const { return int(FCodes.size()); }
    bool AucuneEntree() const { return FTextes.empty(); }
    // The text of entry numero; empty when the file has no such entry.
    QString Texte(int numero) const;

    // Code of the current language, "erreur" when the file listed none.
    QString LangueActive() const;
    int IxLangue() const { return FIxLangue; }
    // Makes the code current (any case); a code that is not listed makes the
    // first language current.
    void RendreCourante(const QString& code);

    void Vider();

private:
    QStringList FCodes;
    int FIxLangue = 0;
    // Entry numbers can be large and sparse: a map holds only those present.
    std::map<int, QString> FTextes;
};

// The table of the running application.
TTextesNdC& TextesNdC();

// The note-texts file the application reads: "textesndc.txt" in the
// application's folder.
QString CheminTextesNdC();

// Loads the file into the application's table. True when the whole file was
// read. A missing or empty file leaves the table as it was; a malformed or
// unreadable one keeps what was read. With messages, the user is told which.
bool ChargerTextesNdC(const QString& chemin, bool avecMessages);

// The current language of the application's table.
QString LangueActive();
