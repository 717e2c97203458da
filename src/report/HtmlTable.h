#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

// HTML column.
// One declared column of a table: its alignment index (1 left, 2 center,
// 3 right) and its width in percent of the table.
struct THtmlCol {
    std::int32_t GCD1 = 0;
    std::int32_t wcolpc = 0;
};

// HTML table writer.
// Writes the HTML text of one table at a time, row by row and cell by cell.
// The column specification ("G70 D30": a letter G, C or D for left, center or
// right, then the width in percent) declares the COLGROUP block and the widths
// that cells may state. The object is reused table after table.
class THtmlTable {
public:
    // Starts a new table, discarding the rows of the previous one.
    void DebutTable(int pclrg, int bordure, int espcell, int mrgcell, const QString& colswpctbl);
    void DebutLigne(QStringView nomclasse, QStringView params);
    // texte is HTML, inserted as given; a blank text shows "&nbsp;". pos1 is the
    // 1-based first declared column the cell covers, 0 to state no width.
    void Cellule(QStringView nomclasse, int rowspan, int colspan, int GCD1, int pos1, QStringView params,
                 QStringView texte, bool header);
    void FinLigne();
    // The whole table; the stored rows stay until the next DebutTable.
    QString FinTable() const;

    // From now on every table is written straight at the end of *sortie
    // (which must outlive the writer), closed by TerminerTable instead of
    // FinTable: a long note is then built in one text, never copied.
    void EcrireDans(QString* sortie) { SortieExterne = sortie; }
    // Closes the table written into the text given to EcrireDans.
    void TerminerTable();

    int NbColonnes() const { return Fnbcols; }
    const QList<THtmlCol>& Colonnes() const { return Cols; }
    int NbLignes() const { return FLigLibre; }

private:
    // The COLGROUP text of a non-empty specification; fills Cols and Fnbcols.
    QString LireSpecColonnes(const QString& colswpctbl);

    std::int32_t FLigLibre = 0;
    std::int32_t Fnbcols = 0;
    QString EnTete;
    // The text of the rows written so far, the current one included.
    QString FLignes;
    QString* SortieExterne = nullptr;
    QList<THtmlCol> Cols;

    // Where the rows go: the caller's text given to EcrireDans, or FLignes.
    QString& Lignes() { return SortieExterne ? *SortieExterne : FLignes; }
};

// Word of an alignment index: 1 "left", 2 "center", 3 "right"; empty otherwise.
QString NomAlignement(int GCD1);
QStringView VueNomAlignement(int GCD1);
