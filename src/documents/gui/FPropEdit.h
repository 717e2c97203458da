#pragma once

#include "documents/HeaderProperties.h"

#include <QDialog>
#include <QStringList>
#include <memory>
#include <optional>

class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TFileHeader;
class TWinReg;

// "Propriétés du fichier": edits the comment and the named properties of a
// document's file header, and the list of internal names that the program
// keeps in its settings ("HeaderData"). The dialog never changes the header:
// it answers the header's new entries and its caller records them as one
// step of the document's history.
//
// Created once, at start-up, after the settings are loaded: its placement and
// the internal names are read then, and written back after every use (OK or
// Cancel).
class TFPropEdit : public QDialog {
    Q_OBJECT
public:
    // Indexes of the pages.
    enum Page { PageCommentaires = 0, PageProprietes = 1, PageNomsInternes = 2, PageDivers = 3 };

    static const QString kTitreQuestion;     // "Propriétés du document"
    static const QString kQuestionNom;       // "nom à créer?"
    static const QString kQuestionSupprimer; // "supprimer la propriété " (+ key + " ?")
    static const QString kNoteNomsInternes;

    explicit TFPropEdit(QWidget* parent = nullptr);
    ~TFPropEdit() override;

    // Shows the dialog modally on the header's properties, the text "divers"
    // on the page "Divers". On OK answers the header's new entries (the named
    // properties in grid order, then "comments"); on Cancel nothing.
    std::optional<QStringList> Editer(const TFileHeader& FH, const QString& divers = {});
    // The pages filled from the header, the page "Propriétés" in front: the
    // dialog as Editer shows it, also for a display that does not wait.
    void Preparer(const TFileHeader& FH, const QString& divers = {});

    // What the pages hold now.
    TProprietesDocument ProprietesSaisies() const;
    QList<TProprieteNommee> NomsInternes() const;

    // "Ajouter" and "Supprimer" on the page in front.
    void Ajouter();
    void Supprimer();

    TWinReg& WR() { return *FWR; }

    QTabWidget* PCpages = nullptr;
    QPlainTextEdit* MmComm = nullptr;
    QTableWidget* VLEprop = nullptr;
    QTableWidget* VLEnomsint = nullptr;
    QLabel* LbNote = nullptr;
    QPlainTextEdit* MmDivers = nullptr;
    QPushButton* BtAjouter = nullptr;
    QPushButton* BtSupprimer = nullptr;
    QDialogButtonBox* Boutons = nullptr;

private:
    void PageChangee(int index);
    // The grid that "Ajouter" and "Supprimer" act on; nullptr on the other pages.
    QTableWidget* GrilleActive() const;
    void ChargerReglages();
    void RangerReglages();

    std::unique_ptr<TWinReg> FWR;
};
