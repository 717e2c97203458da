#pragma once

#include "editing/DataControl.h"
#include "editing/DcBaseRelais.h"
#include "util/ObjetEdite.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <memory>
#include <ostream>
#include <vector>

// An edited object of the tests: one text value.
struct FauxCalcul : TObjetEdite {
    explicit FauxCalcul(QString t) : texte(std::move(t)) {}
    QString texte;
};

// An input control without widgets: what it holds, what it last showed.
struct FauxControle {
    QString contenu;
    QString affiche;
    bool multi = false;
    bool actif = true;
};

// Runs the idle work (the deferred display).
inline void inactivite()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// A data control with one relay bound to a headless control; the edited
// objects are the "selected" ones. The hooks follow the application contract.
struct BancEdition {
    TDataControl dc;
    FauxControle ctl;
    TdcBaseRelais relais;
    std::vector<std::unique_ptr<FauxCalcul>> calculs;
    QList<TObjetEdite*> selection;
    int nbAffichages = 0;
    int nbBoutons = 0;

    BancEdition()
    {
        relais.BRDataControl = &dc;
        relais.BRURtext = QStringLiteral("changement d'une valeur");
        relais.BROnAfficherCdS = [this](bool multi, const QString& v, bool) {
            ctl.multi = multi;
            ctl.contenu = ctl.affiche = v;
        };
        relais.BROnLireCdS = [this](QString& v) { v = ctl.contenu; };
        relais.BROnLireEtatCdS = [this](bool& changed) { changed = ctl.contenu != ctl.affiche; };
        relais.SetTesteurActif([this] { return ctl.actif; });
        dc.setOnGetObjetsAEditer([this] { return selection; });
        dc.setOnSetSelectionObjets([this](const QList<TObjetEdite*>& objs) { selection = objs; });
        dc.setOnAfficher([this](TObjetEdite* p) {
            ++nbAffichages;
            if (p)
                relais.AfficherValeur(static_cast<FauxCalcul*>(p)->texte);
        });
        dc.setOnLireFiche([this](TObjetEdite* p) { relais.LireValeur(static_cast<FauxCalcul*>(p)->texte); });
        QObject::connect(&dc, &TDataControl::boutonsAMettreAJour, [this] { ++nbBoutons; });
    }

    FauxCalcul* ajouter(const QString& texte)
    {
        calculs.push_back(std::make_unique<FauxCalcul>(texte));
        return calculs.back().get();
    }

    // Selects the objects and lets the display run.
    void selectionner(QList<TObjetEdite*> objs)
    {
        selection = std::move(objs);
        dc.Afficher();
        inactivite();
    }

    // The user types a value, the focus moves, idle time comes.
    void saisir(const QString& valeur)
    {
        ctl.contenu = valeur;
        dc.VerifierChangements();
        inactivite();
    }

    int nbDefaire() const { return static_cast<int>(dc.aDefaire().isEmpty() ? 0 : dc.aDefaire().count(QChar(1)) + 1); }
    int nbRefaire() const { return static_cast<int>(dc.aRefaire().isEmpty() ? 0 : dc.aRefaire().count(QChar(1)) + 1); }
};

// Readable texts in failure messages.
inline void PrintTo(const QString& texte, std::ostream* os) { *os << '"' << texte.toStdString() << '"'; }
