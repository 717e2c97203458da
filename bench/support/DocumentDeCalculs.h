#pragma once

#include "documents/Calcul.h"
#include "documents/DocumentFile.h"
#include "documents/FichPb.h"
#include "model/DonneesAppli.h"
#include "support/Contrefort.h"

#include <QString>
#include <memory>

// The default calculation every new calculation starts from is read from the
// file the application carries beside its executable; the benchmarks read the
// same one, so that what they time is what the application does.
inline void UtiliserCalculParDefautDesSources() { TDonneesAppli::setDefaultFolder(QStringLiteral(TOLVANE_RESOURCES_DIR)); }

// A document of `calculs` calculations of `sections` sections each, with a
// memo and calculation names of usual lengths, written to chemin.
inline void EcrireDocumentDeCalculs(const QString& chemin, int calculs, int sections)
{
    TFichPb document;
    document.MemoFich = QStringLiteral("Contreforts de la nef, côté nord.\r\nPoussée des voûtes d'ogives.");
    const TData data = ContrefortDeSections(sections);
    for (int i = 0; i < calculs; ++i) {
        auto calcul = std::make_unique<TCalcul>();
        calcul->nomtab = QStringLiteral("Contrefort C%1").arg(i + 1);
        calcul->DAP->Repere = QStringLiteral("C%1").arg(i + 1);
        calcul->DAP->Data = data;
        document.AddCalcul(std::move(calcul));
    }
    document.CalCRCTabs(document.TexteListeOnglets());
    EnregistrerDocument(document, chemin);
}
