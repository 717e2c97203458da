#pragma once

#include "drawing/ButtressDrawing.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QListWidget;
class QScrollBar;

// The display options of the page "Dessin": the load scale, what to show and
// which loads. Every change by the user emits optionsChangees, on which the
// host redraws the buttress.
class DrawingOptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit DrawingOptionsPanel(QWidget* parent = nullptr);

    OptionsDessin Options() const;
    // Shows the given options without emitting optionsChangees.
    void setOptions(const OptionsDessin& options);

    QScrollBar* SBechCharges = nullptr;
    QGroupBox* RGaffiDR = nullptr;
    QListWidget* CkBxAffiChPR = nullptr;
    QListWidget* CkBxAffiChGSWQ = nullptr;
    // "Ligne de poussée": the line of thrust and the central thirds, off
    // until the user asks for them (Alt+L, or Tab then Space).
    QCheckBox* CkBxLignePoussee = nullptr;

signals:
    void optionsChangees();

private:
    void appliquerVisibilite();
    void changement();

    QButtonGroup* choixAffichage_ = nullptr;
    bool silence_ = false;
};
