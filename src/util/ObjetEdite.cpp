#include "util/ObjetEdite.h"

#include <atomic>
#include <mutex>
#include <unordered_map>

namespace {

// Objects may be built off the user-interface thread (a command-line run
// computing calculations), so the registry is guarded.
struct Registre {
    std::mutex verrou;
    std::unordered_map<TNumeroSerie, TObjetEdite*> objets;
};

Registre& registre()
{
    static Registre r;
    return r;
}

TNumeroSerie inscrire(TObjetEdite* objet)
{
    const TNumeroSerie numero = NouveauNumeroSerie();
    Registre& r = registre();
    const std::lock_guard garde(r.verrou);
    r.objets.emplace(numero, objet);
    return numero;
}

} // namespace

TNumeroSerie NouveauNumeroSerie()
{
    static std::atomic<TNumeroSerie> dernier{0};
    return ++dernier;
}

TObjetEdite::TObjetEdite() : FNumeroSerie(inscrire(this)) {}

TObjetEdite::TObjetEdite(const TObjetEdite&) : FNumeroSerie(inscrire(this)) {}

// An object keeps its number whatever is assigned to it.
TObjetEdite& TObjetEdite::operator=(const TObjetEdite&) { return *this; }

TObjetEdite::~TObjetEdite()
{
    Registre& r = registre();
    const std::lock_guard garde(r.verrou);
    r.objets.erase(FNumeroSerie);
}

TObjetEdite* TObjetEdite::ParNumero(TNumeroSerie numero)
{
    if (numero == 0)
        return nullptr;
    Registre& r = registre();
    const std::lock_guard garde(r.verrou);
    const auto trouve = r.objets.find(numero);
    return trouve == r.objets.end() ? nullptr : trouve->second;
}
