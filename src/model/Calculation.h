#pragma once

#include "model/DonneesAppli.h"

#include <functional>

// The whole calculation of one buttress, without validation: clears the
// overall results, computes the section torsors from the top down, then
// evaluates the 25 combinations. A buttress without sections keeps level 0.
void CalculerResultats(TData& data);

// Validates DA (the first invalid section is reported) and, when valid,
// computes every result and the overall level. Any failure is caught and its
// message shown. True only when the results were computed.
bool CalculerDonnees(TDonneesAppli& DA);

// Runs one step of a calculation; a failure (ETolvane or any std::exception)
// is caught and its message shown through the platform services. False then.
bool ExecuterEtapeCalcul(const std::function<void()>& etape);
