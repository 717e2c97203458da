#include "editing/ObjetEdite.h"

#include <unordered_set>

namespace {

std::unordered_set<const TObjetEdite*>& objetsVivants()
{
    static std::unordered_set<const TObjetEdite*> objets;
    return objets;
}

} // namespace

TObjetEdite::TObjetEdite() { objetsVivants().insert(this); }

// A copy is a new object with its own identity.
TObjetEdite::TObjetEdite(const TObjetEdite&) { objetsVivants().insert(this); }

TObjetEdite& TObjetEdite::operator=(const TObjetEdite&) { return *this; }

TObjetEdite::~TObjetEdite() { objetsVivants().erase(this); }

TObjetEdite* TObjetEdite::ParIdentite(quintptr identite)
{
    auto* candidat = reinterpret_cast<TObjetEdite*>(identite);
    return objetsVivants().contains(candidat) ? candidat : nullptr;
}
