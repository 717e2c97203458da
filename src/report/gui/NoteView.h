#pragma once

#include <QString>
#include <QTextEdit>

// The note view: an HTML view the user may retouch before copying. It holds a
// document only once a page has been loaded into it (InitDocumentHtml); until
// then the body and copy operations do nothing.
class NoteView : public QTextEdit {
    Q_OBJECT
public:
    explicit NoteView(QWidget* parent = nullptr);

    bool ADocument() const { return FADocument; }
    // The head text of the loaded page (the <style> element of the note).
    const QString& Entete() const { return FEntete; }
    // The page text last loaded, body included.
    const QString& PageChargee() const { return FPage; }

    // Shows a page text and remembers it.
    void ChargerPage(const QString& page);
    void DefinirDocument(bool present) { FADocument = present; }
    void DefinirEntete(const QString& entete) { FEntete = entete; }

private:
    bool FADocument = false;
    QString FEntete;
    QString FPage;
};

// Replaces the view's document by the empty page with the given head text,
// in editable mode. Never fails: on any failure the view keeps what it shows.
void InitDocumentHtml(NoteView& view, const QString& entete);
// Replaces the body of the document by corps; nothing without a document.
void DefinirCorpsHtml(NoteView& view, const QString& corps);
// Puts the document's text, and its HTML from <html> to </html>, on the
// clipboard; nothing without a document.
void CopierDocumentHtml(NoteView& view);
