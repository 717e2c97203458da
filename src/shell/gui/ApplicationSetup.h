#pragma once

#include <memory>

class QTranslator;

// What the application sets once at start-up, before its main window:
// - Qt's own texts (Oui, Non, Annuler, the file dialogs) in French; the
//   translator returned must live as long as the application (nullptr when
//   Qt's French translations are not installed);
// - the decimal point for every number written or read as text, whatever the
//   user's locale (the documents are exchanged between machines);
// - the application's name, organisation and icon.
std::unique_ptr<QTranslator> PreparerApplication();
