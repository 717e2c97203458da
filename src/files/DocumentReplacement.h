#pragma once

#include <QString>
#include <optional>

// Replaces a document file so that nothing is ever lost: the new content is
// written to a temporary file beside the document first; only once it is
// complete does the current file become the backup and the new one take its
// place, each step a single rename. Whatever fails, and wherever the process
// stops, the document is either its previous or its new version, and the
// backup either the previous backup or the previous version.
//
//   DocumentReplacement r(path);
//   if (auto why = r.Preparer()) ...        // no temporary file possible
//   write the document into r.CheminTemporaire()
//   r.FaireBak(bak)                         // optional, false when it failed
//   if (auto why = r.MettreEnPlace()) ...
//
// A temporary file that was not put in place is removed with the object.
class DocumentReplacement {
public:
    explicit DocumentReplacement(QString documentPath);
    ~DocumentReplacement();
    DocumentReplacement(const DocumentReplacement&) = delete;
    DocumentReplacement& operator=(const DocumentReplacement&) = delete;

    // Makes an empty temporary file in the document's folder; the French reason
    // when the folder refuses it.
    [[nodiscard]] std::optional<QString> Preparer();
    const QString& CheminTemporaire() const { return FTemporaire; }

    // The current document file becomes the backup at backupPath, replacing
    // the previous one in one step; the document itself stays where it is
    // until MettreEnPlace. False when the backup could not be made. Nothing to
    // do (true) when the document file does not exist.
    bool FaireBak(const QString& backupPath);

    // The temporary file takes the document's place, with the permissions and
    // owner of the file it replaces.
    [[nodiscard]] std::optional<QString> MettreEnPlace();

private:
    QString FDocument;
    QString FTemporaire;
    bool FEnPlace = false;
};
