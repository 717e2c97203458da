#pragma once

#include "report/DeliverableReport.h"

class TCalcul;
class TFichPb;

// What the deliverable report of one calculation of a document shows: the
// document's file name, comments and named properties, the calculation's tab
// name, mark and revision, its computed buttress and the note's page. The
// results page and the command-line tool both build it here.
EntreeRapport EntreeRapportCalcul(const TFichPb& document, const TCalcul& calcul, const QString& pageNote);
