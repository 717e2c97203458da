#include "shell/TabStripSelection.h"

#include "shell/TabStripContent.h"

#include <algorithm>

TModeSelection ModeSelection(bool ctrl, bool shift)
{
    if (ctrl)
        return TModeSelection::Bascule;
    return shift ? TModeSelection::Plage : TModeSelection::Simple;
}

QString MarquesApresClic(const QString& marques, int ix, TModeSelection mode, bool multiSelect)
{
    constexpr QChar blanc = TabStripContent::kNonSelectionne;
    constexpr QChar ancre = TabStripContent::kAncre;
    constexpr QChar autre = TabStripContent::kSelectionne;

    QString S = marques;
    if (S.size() <= ix)
        S = S.leftJustified(ix + 1, blanc);
    const auto A = S.indexOf(ancre);
    // A Shift-click in a strip that holds one tab at most selects the clicked
    // tab, as a plain click would: keeping the old anchor would ignore the click.
    if (mode == TModeSelection::Plage && (A < 0 || !multiSelect))
        mode = TModeSelection::Simple;

    switch (mode) {
    case TModeSelection::Simple:
        S.fill(blanc);
        S[ix] = ancre;
        break;
    case TModeSelection::Plage: {
        S.fill(blanc);
        const auto debut = std::min<qsizetype>(A, ix);
        const auto fin = std::max<qsizetype>(A, ix);
        for (auto i = debut; i <= fin; ++i)
            S[i] = autre;
        S[A] = ancre;
        break;
    }
    case TModeSelection::Bascule:
        if (S.at(ix) == blanc) {
            S.replace(ancre, autre);
            S[ix] = ancre;
        } else {
            S[ix] = blanc;
        }
        break;
    }
    if (!multiSelect)
        S.replace(autre, blanc);
    return S;
}
