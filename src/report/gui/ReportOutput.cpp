#include "report/gui/ReportOutput.h"

#include "util/PlatformServices.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

bool ImprimerRapport(QWidget* parent, const EntreeRapport& entree)
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(TitreRapport(entree));
    imprimante.setCreator(QStringLiteral("Tolvane"));
    PreparerPageRapport(imprimante);
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setWindowTitle(QStringLiteral("Imprimer le rapport"));
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    services().beginWaitCursor();
    const int pages = PeindreRapport(imprimante, entree);
    services().endWaitCursor();
    if (pages == 0) {
        services().showMessage(QStringLiteral("L'impression n'a pas pu commencer : vérifiez l'imprimante choisie."),
                               PlatformServices::Icon::Error, QStringLiteral("Imprimer le rapport"));
        return false;
    }
    return true;
}

std::optional<QString> ExporterRapportPdf(const EntreeRapport& entree, const QString& nomPropose)
{
    std::optional<QString> chemin = services().saveFileName(QStringLiteral("Exporter le rapport en PDF"),
                                                            nomPropose + QStringLiteral(".pdf"),
                                                            QStringLiteral("Document PDF (*.pdf)"));
    if (!chemin || chemin->isEmpty())
        return std::nullopt;
    if (QFileInfo(*chemin).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0)
        *chemin += QStringLiteral(".pdf");
    services().beginWaitCursor();
    const std::optional<QString> erreur = EcrireRapportPdf(*chemin, entree);
    services().endWaitCursor();
    if (erreur) {
        services().showMessage(*erreur, PlatformServices::Icon::Error, QStringLiteral("Exporter le rapport en PDF"));
        return std::nullopt;
    }
    return chemin;
}
