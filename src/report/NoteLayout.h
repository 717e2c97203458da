#pragma once

#include "report/NoteTables.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <functional>
#include <utility>

class QPagedPaintDevice;
class QPainter;

// The note's tables painted on pages (a PDF file, a printer): row by row, a
// row never straddles two pages, and a table that goes on to another page
// repeats its heading rows there. Works on any paged device at any
// resolution; the note's pixels are those of a screen at 96 dpi.

// The font of the printed note, normal or bold.
QFont PoliceNote(bool gras);

// The last line of a page, where its footer goes; nothing else is painted there.
QRectF LignePied(const QPagedPaintDevice& page);

class MiseEnPageNote {
public:
    // Paints the footer of a finished page, given its number.
    using PiedDePage = std::function<void(QPainter& painter, int numero)>;

    // The tables start at the top of the device's current page, which is
    // numbered premierePage.
    MiseEnPageNote(QPainter& painter, QPagedPaintDevice& page, int premierePage, PiedDePage pied);

    void Tableau(const TableauNote& t);
    // For what a caller paints itself between tables: the height the page
    // offers above its footer, the page's width, where the next table would
    // start, and moves down by a height or on to the next page.
    double HauteurUtile() const { return hauteurUtile_; }
    double Largeur() const { return largeurPage_; }
    double Position() const { return y_; }
    void Sauter(double hauteur) { y_ += hauteur; }
    void SautDePage() { NouvellePage(); }
    int Numero() const { return numero_; }
    // Paints the footer of the last page; returns that page's number.
    int Terminer();

private:
    static QList<qsizetype> IndicesEntete(const TableauNote& t);
    double HauteurLignes(const QList<qsizetype>& indices) const;
    // The left edge and width of the cell that starts at declared column colonne.
    std::pair<double, double> Etendue(int colonne, int colspan) const;
    double HauteurLigne(const LigneNote& ligne) const;
    void PeindreLigne(const LigneNote& ligne, double h);
    void CadreTableau();
    void NouvellePage();

    QPainter& painter_;
    QPagedPaintDevice& page_;
    PiedDePage pied_;
    QFont policeNormale_;
    QFont policeGrasse_;
    QFontMetricsF normale_;
    QFontMetricsF grasse_;
    double pixelCss_ = 1;
    double largeurPage_ = 0;
    double hauteurUtile_ = 0;
    const TableauNote* tableau_ = nullptr;
    double largeur_ = 0;
    double x0_ = 0;
    double marge_ = 0;
    double y_ = 0;
    double debutTableau_ = -1;
    int numero_ = 1;
};
