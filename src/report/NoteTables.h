#pragma once

#include <QColor>
#include <QList>
#include <QString>

// The tables of a note page, read back from the HTML the note writer makes,
// for painting them without an HTML engine (Qt's rich-text layout takes
// minutes on a note of thousands of sections).

struct CelluleNote {
    QString texte;                      // plain text, entities decoded, <br> as line breaks
    int colspan = 1;
    Qt::Alignment alignement = Qt::AlignHCenter;
    bool gras = false;
    QColor fond;                        // invalid when the cell has no background
};

struct LigneNote {
    QList<CelluleNote> cellules;
    // The row repeats at the top of a page the table continues on.
    bool entete = false;
};

struct TableauNote {
    double largeurPourcent = 100;       // of the page's width
    int bordure = 0;                    // outer border, in CSS pixels
    int marge = 0;                      // cell padding, in CSS pixels
    QList<double> colonnes;             // widths as fractions of the table, summing to 1
    QList<Qt::Alignment> alignements;   // of each declared column
    QList<LigneNote> lignes;
};

// Every table of the page, in order. The classes of the page's style element
// ("TD.OK { font-weight: bold; background-color: #92D050 }") give the bold
// cells and their colours. A table's heading rows are its leading rows up to
// the first whose first cell is a number (a section's row); a table with no
// such row has only its title row as heading.
QList<TableauNote> LireTableauxNote(const QString& html);

// The tables of a page the view rewrote after the user retouched it: Qt's
// rewrite drops the declared column widths, which are taken back from the
// page as it was built (pageOrigine) for every table of the same columns.
QList<TableauNote> LireTableauxNote(const QString& html, const QString& pageOrigine);
