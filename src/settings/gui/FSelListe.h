#pragma once

#include "settings/WinReg.h"

#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;

// The line chosen in a list: its text and its index, or an empty text and
// -1 when nothing was chosen.
struct TChoixListe {
    QString texte;
    int index = -1;
};

// Lets the user pick one of the choices (one per line) in a list titled
// title (the dialog's own caption when title is empty).
TChoixListe ChoisirDansListe(const QString& choix, const QString& titre);

// The list-selection dialog; only ChoisirDansListe builds it, since it alone
// loads and stores its settings around the one question it asks.
class TFSelListe final : public QDialog {
    Q_OBJECT
    class Cle {
        friend TChoixListe ChoisirDansListe(const QString&, const QString&);
        Cle() = default;
    };
    friend TChoixListe ChoisirDansListe(const QString&, const QString&);

public:
    TFSelListe(Cle, const QStringList& choix);
    ~TFSelListe() override;

    QListWidget* LBx() const { return FLBx; }
    QPushButton* BBok() const { return FBBok; }
    QPushButton* BBann() const { return FBBann; }
    TWinReg& WR() { return FWR; }

private:
    TWinReg FWR;
    // Child widgets (Qt parent ownership).
    QListWidget* FLBx = nullptr;
    QPushButton* FBBok = nullptr;
    QPushButton* FBBann = nullptr;
};
