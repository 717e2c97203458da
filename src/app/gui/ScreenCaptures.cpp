#include "app/gui/ScreenCaptures.h"

#include "settings/NoteTexts.h"
#include "settings/gui/FSelLangue.h"
#include "settings/gui/FinfoRev.h"
#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

namespace {

void Enregistrer(TFBaseM2& fenetre, const QString& dossier, const QString& nom)
{
    QCoreApplication::processEvents();
    fenetre.grab().save(QDir(dossier).filePath(nom));
}

// The language dialog and the revision window, each grabbed on its own.
void CapturerLangueEtRevision(TFBaseM2& fenetre, const QString& dossier)
{
    TFSelLangue langue(&fenetre);
    langue.Preparer(TextesNdC());
    langue.show();
    QCoreApplication::processEvents();
    langue.grab().save(QDir(dossier).filePath(QStringLiteral("langue.png")));
    langue.close();
    if (TFinfoRev* revision = fenetre.FinfoRev()) {
        revision->show();
        QCoreApplication::processEvents();
        revision->grab().save(QDir(dossier).filePath(QStringLiteral("revision.png")));
        revision->close();
    }
}

} // namespace

void PrendreCaptures(TFBaseM2& fenetre, const QString& dossier)
{
    QDir().mkpath(dossier);
    QTimer::singleShot(500, &fenetre, [&fenetre, dossier] {
        Enregistrer(fenetre, dossier, QStringLiteral("page-generale.png"));
        if (fenetre.TC()->TabsCount() > 1) {
            fenetre.TC()->DeSelect();
            fenetre.TC()->SetSelection(1, true);
            fenetre.Session().SelectionOngletsChangee();
            fenetre.TC()->update();
            Enregistrer(fenetre, dossier, QStringLiteral("page-calcul.png"));
            // The frame's other pages, as the user reaches them with a click.
            if (auto* pages = fenetre.findChild<QTabWidget*>(QStringLiteral("PCPages"))) {
                pages->setCurrentIndex(1);
                Enregistrer(fenetre, dossier, QStringLiteral("page-dessin.png"));
                pages->setCurrentIndex(2);
                Enregistrer(fenetre, dossier, QStringLiteral("page-resultats.png"));
            }
        }
        CapturerLangueEtRevision(fenetre, dossier);
        fenetre.close();
    });
}
