#include "frame/ReportInput.h"

#include "documents/Calcul.h"
#include "documents/FichPb.h"
#include "frame/ResultsPage.h"
#include "model/DonneesAppli.h"
#include "model/LoadReserve.h"

#include <QFileInfo>

namespace {

const QString kNomCommentaires = QStringLiteral("comments");

QString SansRetourChariot(QString texte) { return texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

} // namespace

EntreeRapport EntreeRapportCalcul(const TFichPb& document, const TCalcul& calcul, const QString& pageNote)
{
    EntreeRapport e;
    e.document = document.pathF.isEmpty() ? QStringLiteral("(document sans nom)") : QFileInfo(document.pathF).fileName();
    e.commentaires = SansRetourChariot(document.FH.GetValeur(kNomCommentaires));
    for (const QString& entree : document.FH.Strings()) {
        const qsizetype egal = entree.indexOf(u'=');
        const QString nom = egal < 0 ? entree : entree.left(egal);
        if (nom.compare(kNomCommentaires, Qt::CaseInsensitive) == 0 || nom.trimmed().isEmpty())
            continue;
        e.proprietes.append({nom, SansRetourChariot(document.FH.GetValeur(nom))});
    }
    e.calcul = calcul.nomtab;
    if (calcul.DAP) {
        e.repere = calcul.DAP->Repere;
        e.indice = calcul.DAP->Indice;
        e.dateIndice = calcul.DAP->DateIndice;
        e.donnees = calcul.DAP->Data;
        // Only a computed buttress has a reserve: refused data say nothing.
        if (e.donnees.StatutGlobal >= 0)
            e.reserve = TexteReserveSynthese(CalculerReserve(e.donnees));
    }
    e.pageNote = pageNote;
    return e;
}
