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

bool ExecuterEtapeCalcul(const std::function<void()>& etape)
{
    try {
        etape();
        return true;
    } catch (const ETolvane& e) {
        services().showMessage(e.message(), PlatformServices::Icon::Error);
    } catch (const std::bad_alloc&) {
        services().showMessage(QStringLiteral("Mémoire insuffisante pour le calcul"), PlatformServices::Icon::Error);
    } catch (const std::exception& e) {
        services().showMessage(QString::fromLocal8Bit(e.what()), PlatformServices::Icon::Error);
    }
    return false;
}

bool CalculerDonnees(TDonneesAppli& DA)
{
    if (!DA.ValiderDonnees())
        return false;
    return ExecuterEtapeCalcul([&DA] { CalculerResultats(DA.Data); });
}
