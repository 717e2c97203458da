#include "report/gui/CalculationNoteView.h"

#include "report/CalculationNote.h"
#include "report/gui/NoteView.h"

void AfficherNdC(NoteView& WB, const TDonneesAppli& DA, bool listerDonnees)
{
    InitDocumentHtml(WB, EnteteNdC());
    DefinirCorpsHtml(WB, CorpsNdC(DA.Data, listerDonnees));
}
