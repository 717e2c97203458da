#include "model/Calculation.h"

#include "model/LoadCombinations.h"
#include "model/SectionResultants.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"

#include <exception>
#include <new>

void CalculerResultats(TData& data)
{
    data.MaxCharge = 0;
    data.MaxEffortV = 0;
    data.StatutGlobal = 0;
    if (data.Sections.isEmpty())
        return; // nothing to combine: no section, no failing check
    CalculerTorseursSections(data);
    EvaluerCombinaisons(data);
}

void SignalerIssue(const TIssueCalcul& issue)
{
    switch (issue.etat) {
    case TIssueCalcul::Etat::Calcule:
        return;
    case TIssueCalcul::Etat::DonneesInvalides:
        services().showMessage(issue.message);
        return;
    case TIssueCalcul::Etat::Echec:
        services().showMessage(issue.message, PlatformServices::Icon::Error);
        return;
    }
}

TIssueCalcul ExecuterEtapeCalcul(const std::function<void()>& etape)
{
    try {
        etape();
        return {};
    } catch (const ETolvane& e) {
        return TIssueCalcul::Echec(e.message());
    } catch (const std::bad_alloc&) {
        return TIssueCalcul::Echec(QStringLiteral("Mémoire insuffisante pour le calcul"));
    } catch (const std::exception& e) {
        return TIssueCalcul::Echec(QString::fromLocal8Bit(e.what()));
    }
}

TIssueCalcul CalculerDonnees(TDonneesAppli& DA)
{
    const std::optional<QString> erreur = DA.ErreurValidation();
    DA.DonneesValides = !erreur;
    if (erreur)
        return TIssueCalcul::DonneesInvalides(*erreur);
    return ExecuterEtapeCalcul([&DA] { CalculerResultats(DA.Data); });
}
