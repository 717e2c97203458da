#pragma once

#include <QMainWindow>

// Main window.
// The main window: one document at a time, its calculations as tabs.
class TFBaseM2 : public QMainWindow {
    Q_OBJECT
public:
    explicit TFBaseM2(QWidget* parent = nullptr);

    // "Tolvane : " followed by the document's name, or "(rien en cours)".
    void MajTitre(const QString& documentName = {});
};
