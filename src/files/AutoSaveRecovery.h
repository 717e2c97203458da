#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Recovery of the changes that a session ended abnormally (crash, power cut,
// killed process) had only in its automatic-save side file. A normal end
// deletes the side files of its run; a save of the document makes the
// document newer than its side file. A side file newer than its document is
// therefore the trace of changes the user never saved, and he decides what
// becomes of it: nothing is deleted without his word.

// The automatic-save side file of the document at documentPath, full path.
QString NomFichierSvg(const QString& documentPath);

// The side file of documentPath when it was left by an abnormal end: a file
// newer than the document and not written by this session (sideFilesOfThisRun).
std::optional<QString> SvgAbandonne(const QString& documentPath, const QStringList& sideFilesOfThisRun);

enum class ChoixRecuperation {
    // Open the side file's content; the document keeps its name and is to be saved.
    OuvrirVersionRecuperee,
    // Open the document as it was saved; the side file stays unless the user
    // asked, in a second question, to delete it.
    OuvrirDocument,
    // Open nothing.
    NePasOuvrir,
};

// The question that offers the side file, with both files' dates.
QString QuestionRecuperation(const QString& documentPath, const QString& sidePath);
// Its title.
QString TitreRecuperation();

// Asks the user, in French through the platform services, which version to
// open, and deletes the side file when he confirms it explicitly.
ChoixRecuperation DemanderRecuperation(const QString& documentPath, const QString& sidePath);
