#pragma once

#include "settings/NoteTexts.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// "Sélection de la langue pour les sorties": the languages of the note-texts
// file, in alphabetical order, the current one selected.
class TFSelLangue : public QDialog {
public:
    explicit TFSelLangue(QWidget* parent = nullptr);

    // Lists the codes of the table and selects its current language.
    void Preparer(const TTextesNdC& textes);
    // The code shown in the list; empty when the list is empty.
    QString LangueChoisie() const;

    QLabel* LbLangue = nullptr;
    QComboBox* CBxLng = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

// The language dialog, at the mouse pointer, on the application's table
// (loaded from chemin, with messages, when it holds no entry yet). OK makes
// the chosen language current and returns true; Annuler returns false. The
// choice is not stored: every run starts with the file's first language.
bool ChoisirLangue(const QString& chemin = CheminTextesNdC());
