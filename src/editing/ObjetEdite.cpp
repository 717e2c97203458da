#include "editing/ObjetEdite.h"

#include <mutex>
#include <unordered_set>

namespace {

// Objects may be built off the user-interface thread (a command-line run
// computing calculations), so the registry is guarded.
struct Registre {
    std::mutex verrou;
    std::unordered_set<const TObjetEdite*> objets;
};

Registre& registre()
{
    static Registre r;
    return r;
}

void inscrire(const TObjetEdite* objet)
{
    Registre& r = registre();
    const std::lock_guard garde(r.verrou);
    r.objets.insert(objet);
}

} // namespace

TObjetEdite::TObjetEdite() { inscrire(this); }

// A copy is a new object with its own identity.
TObjetEdite::TObjetEdite(const TObjetEdite&) { inscrire(this); }

TObjetEdite& TObjetEdite::operator=(const TObjetEdite&) { return *this; }

TObjetEdite::~TObjetEdite()
{
    Registre& r = registre();
    const std::lock_guard garde(r.verrou);
    r.objets.erase(this);
}

TObjetEdite* TObjetEdite::ParIdentite(quintptr identite)
{
    auto* candidat = reinterpret_cast<TObjetEdite*>(identite);
    Registre& r = registre();
    const std::lock_guard garde(r.verrou);
    return r.objets.contains(candidat) ? candidat : nullptr;
}
