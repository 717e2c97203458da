#pragma once

#include "settings/ConfigEdition.h"
#include "settings/WinReg.h"

#include <QDialog>
#include <QString>
#include <memory>

class QHeaderView;
class QListView;
class QPushButton;
class TModeleParametres;

// Runs the options dialog on a parameter list and its values text (fields
// separated by U+0001). True when the user confirmed it: values then holds
// the edited values; otherwise values is left as it was.
bool ExecuterConfig(const QString& titre, const QString& parametres, QString& valeurs);

// The options dialog: one line per parameter, its label in a column whose
// width the user sets with the header (kept as "Sep"), its value beside it,
// and an editor fitted to each type. It exists only for the time of
// ExecuterConfig, which alone can build it: a dialog built any other way
// would have nobody to load and store its settings or to read its result.
class TFConfig final : public QDialog {
    Q_OBJECT
    class Cle {
        friend bool ExecuterConfig(const QString&, const QString&, QString&);
        Cle() = default;
    };
    friend bool ExecuterConfig(const QString&, const QString&, QString&);

public:
    TFConfig(Cle, const QString& parametres, const QString& valeurs);
    ~TFConfig() override;

    const QString& valtxt() const { return FEdition.valtxt(); }

    QListView* LbParams() const { return FLbParams; }
    QHeaderView* HC() const { return FHC; }
    QPushButton* BtModifier() const { return FBtModifier; }
    QPushButton* BtRechercher() const { return FBtRechercher; }
    QPushButton* BBok() const { return FBBok; }
    QPushButton* BBann() const { return FBBann; }
    QPushButton* BBaide() const { return FBBaide; }
    TWinReg& WR() { return FWR; }

    // The selected line, -1 without one.
    int LigneChoisie() const;
    void Modifier();
    void Rechercher();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void MettreAJourBoutons();
    void Afficher(int ligne);
    void Aide();
    void WRChargeReg();
    void WRRangeReg();
    TEditeursGraphiques Editeurs();
    std::optional<QColor> ChoisirCouleur(const QColor& initiale, const QString& titre);
    std::optional<QString> ChoisirImprimante();

    TEditionConfig FEdition;
    TWinReg FWR;
    // Child widgets (Qt parent ownership).
    TModeleParametres* FModele = nullptr;
    QHeaderView* FHC = nullptr;
    QListView* FLbParams = nullptr;
    QPushButton* FBtModifier = nullptr;
    QPushButton* FBtRechercher = nullptr;
    QPushButton* FBBok = nullptr;
    QPushButton* FBBann = nullptr;
    QPushButton* FBBaide = nullptr;
};
