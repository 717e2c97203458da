#pragma once

#include "settings/ConfigParameters.h"

#include <QColor>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// The editors that need widgets of their own: the colour dialog and the
// printer list. Each returns nothing when the user cancels.
struct TEditeursGraphiques {
    std::function<std::optional<QColor>(const QColor& initiale, const QString& titre)> couleur;
    std::function<std::optional<QString>()> imprimante;
};

// The values being edited in the options dialog, and the editing of one
// parameter with the editor fitted to its type. Message boxes, input boxes
// and file dialogs go through the platform services; the colour dialog and
// the printer list through the graphical editors given.
class TEditionConfig {
public:
    TEditionConfig(const QString& listeParametres, const QString& valeurs);

    const QList<TParametreConfig>& Parametres() const { return FParametres; }
    int Nombre() const { return int(FParametres.size()); }
    // The values text as edited so far.
    const QString& valtxt() const { return FValtxt; }
    QString Valeur(int index) const { return ChampValeur(FValtxt, index); }

    bool ModifierPossible(int index) const { return index >= 0 && index < Nombre(); }
    bool RechercherPossible(int index) const;

    // "Modifier ..." and "Rechercher ..." on the line at index: true when an
    // editor was confirmed and its value stored in valtxt.
    bool Modifier(int index, const TEditeursGraphiques& editeurs);
    bool Rechercher(int index, const TEditeursGraphiques& editeurs);

private:
    void Stocker(int index, const QString& valeur);

    QList<TParametreConfig> FParametres;
    QString FValtxt;
};
