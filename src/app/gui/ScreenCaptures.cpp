#include "app/gui/ScreenCaptures.h"

#include "documents/FichPb.h"
#include "documents/gui/FPropEdit.h"
#include "drawing/gui/DrawingExportDialog.h"
#include "files/AutoSaveRecovery.h"
#include "settings/NoteTexts.h"
#include "settings/gui/FConfig.h"
#include "settings/gui/FSelLangue.h"
#include "settings/gui/FinfoRev.h"
#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

namespace {

void Enregistrer(TFBaseM2& fenetre, const QString& dossier, const QString& nom)
{
    QCoreApplication::processEvents();
    fenetre.grab().save(QDir(dossier).filePath(nom));
}

// "Propriétés du fichier" on the open document's header, as "Propriétés ..."
// shows it, with two named properties added to a copy of the header so that
// the grid shows something: the document itself is not touched.
void CapturerProprietes(TFBaseM2& fenetre, const QString& dossier)
{
    TFPropEdit* dialogue = fenetre.PropEdit();
    const TFichPb* document = fenetre.Session().Document();
    if (!dialogue || !document)
        return;
    TFileHeader entete = document->FH;
    entete.SetValeur(QStringLiteral("Auteur"), QStringLiteral("Bureau d'études Vok"));
    entete.SetValeur(QStringLiteral("Affaire"), QStringLiteral("Église Saint-Martin, contreforts de la nef"));
    dialogue->Preparer(entete);
    dialogue->show();
    QCoreApplication::processEvents();
    dialogue->grab().save(QDir(dossier).filePath(QStringLiteral("proprietes-fichier.png")));
    dialogue->PCpages->setCurrentIndex(TFPropEdit::PageCommentaires);
    QCoreApplication::processEvents();
    dialogue->grab().save(QDir(dossier).filePath(QStringLiteral("proprietes-commentaires.png")));
    dialogue->hide();
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

// "&Options..." as the user opens it: the dialog is grabbed once it is up,
// then cancelled.
void CapturerOptions(TFBaseM2& fenetre, const QString& dossier)
{
    QTimer::singleShot(300, &fenetre, [dossier] {
        auto* ouvert = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* options = qobject_cast<TFConfig*>(ouvert))
            options->grab().save(QDir(dossier).filePath(QStringLiteral("options.png")));
        // Whatever is open is closed, so that the run always ends.
        if (ouvert)
            ouvert->reject();
    });
    fenetre.MIoptions->trigger();
}

// The question a document with a newer automatic-save side file asks when it
// is opened, as the desktop shows it, over the window: a side file is made
// beside the document for the picture, then removed.
void CapturerQuestionRecuperation(TFBaseM2& fenetre, const QString& dossier)
{
    const TFichPb* document = fenetre.Session().Document();
    if (!document)
        return;
    const QString cote = NomFichierSvg(document->pathF);
    if (QFile::exists(cote) || !QFile::copy(document->pathF, cote))
        return;
    {
        QFile fichier(cote);
        if (fichier.open(QIODevice::ReadWrite))
            fichier.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    }
    QMessageBox question(QMessageBox::Question, TitreRecuperation(), QuestionRecuperation(document->pathF, cote),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &fenetre);
    question.show();
    QCoreApplication::processEvents();
    question.grab().save(QDir(dossier).filePath(QStringLiteral("question-recuperation.png")));
    question.close();
    QFile::remove(cote);
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
                // The same page with the line of thrust, then back as the user left it.
                if (auto* ligne = fenetre.findChild<QCheckBox*>(QStringLiteral("CkBxLignePoussee"))) {
                    ligne->setChecked(true);
                    Enregistrer(fenetre, dossier, QStringLiteral("page-dessin-ligne-de-poussee.png"));
                    ligne->setChecked(false);
                }
                // The dialog of "Exporter le dessin...", shown without waiting for an answer.
                DrawingExportDialog exportDessin(&fenetre);
                exportDessin.show();
                QCoreApplication::processEvents();
                exportDessin.grab().save(QDir(dossier).filePath(QStringLiteral("dialogue-export-dessin.png")));
                exportDessin.close();
                pages->setCurrentIndex(2);
                Enregistrer(fenetre, dossier, QStringLiteral("page-resultats.png"));
            }
        }
        CapturerProprietes(fenetre, dossier);
        CapturerLangueEtRevision(fenetre, dossier);
        CapturerOptions(fenetre, dossier);
        CapturerQuestionRecuperation(fenetre, dossier);
        fenetre.close();
    });
}
