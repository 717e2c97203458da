#pragma once

#include <memory>
#include <thread>

class QTranslator;

// What the start-up prepared and what must live as long as the application
// object (destroy it before the QApplication).
class TApplicationPreparee {
public:
    TApplicationPreparee() = default;
    TApplicationPreparee(const TApplicationPreparee&) = delete;
    TApplicationPreparee& operator=(const TApplicationPreparee&) = delete;
    // Waits for the font list when it is still being read.
    ~TApplicationPreparee();

    // Qt's own texts in French; nullptr when Qt's French translations are
    // not installed.
    std::unique_ptr<QTranslator> traduction;
    // Reads the system's font list, then opens the image plugins, while the
    // main window is being built.
    std::thread listePolices;
};

// What the application sets once at start-up, before its main window:
// - Qt's own texts (Oui, Non, Annuler, the file dialogs) in French;
// - the decimal point for every number written or read as text, whatever the
//   user's locale (the documents are exchanged between machines);
// - the application's name, organisation and icon;
// - Qt's style, whose bars' standard icons are decoded when first shown
//   (TStyleApplication), and whose tall frames are painted on the painting
//   thread alone;
// - the system's font list, read on a second thread: the first text the
//   window measures would otherwise wait for the whole list (a third of the
//   start-up), while the window has widgets and icons to build before; then,
//   on that thread, the image plugins, opened for the first picture read.
std::unique_ptr<TApplicationPreparee> PreparerApplication();
