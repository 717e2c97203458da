#pragma once

#include "drawing/ButtressDrawing.h"
#include "model/DonneesAppli.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

class QPagedPaintDevice;

// The deliverable report of one calculation, as an engineer hands it over:
// a title block and a one-page summary, the drawing of the buttress on its own
// page, then the calculation note as the user sees it; A4 landscape, every
// page numbered "page n / N". The same painting serves a PDF file and a
// printer. Needs a QGuiApplication (fonts).

struct EntreeRapport {
    QString document;                          // the document's file name
    QString commentaires;                      // the document's comments, lines kept
    QList<QPair<QString, QString>> proprietes; // the document's named properties, in order
    QString calcul;                            // the tab's name
    QString repere;
    QString indice;
    QString dateIndice;
    TData donnees;                             // the computed buttress
    OptionsDessin optionsDessin;               // what the drawing shows besides data and results
    QString pageNote;                          // the note's HTML page, retouches included
    // The note's page as it was built, when pageNote is the view's rewrite
    // of it after retouches (the rewrite loses the column widths).
    QString pageNoteOrigine;
    QString reserve;                           // the load reserve, when one was computed
    QDate dateEdition = QDate::currentDate();
};

// The page layout of the report: A4 landscape, margins of 15 mm.
void PreparerPageRapport(QPagedPaintDevice& page);

// Paints the whole report on the device, from its current (first) page;
// returns the number of pages. The total of "page n / N" is found by laying
// the report out once beforehand on a device of the same page and resolution.
int PeindreRapport(QPagedPaintDevice& page, const EntreeRapport& entree);

// The report as the bytes of a PDF file.
QByteArray RapportPdf(const EntreeRapport& entree);

// The name of the PDF document and of the print job.
QString TitreRapport(const EntreeRapport& entree);

// Writes the report as a PDF file through the checked writer: the previous
// file stays whole when anything fails. Empty when done, else the reason in
// French.
std::optional<QString> EcrireRapportPdf(const QString& chemin, const EntreeRapport& entree);
