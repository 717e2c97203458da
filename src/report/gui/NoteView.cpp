#include "report/gui/NoteView.h"

#include "report/HtmlDocument.h"

#include <exception>

NoteView::NoteView(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(true);
    // A note is longer than the view: a scroll bar that appeared only once
    // the note was laid out would narrow the view and have the whole note
    // laid out again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void NoteView::ChargerPage(const QString& page)
{
    FPage = page;
    setHtml(HtmlPourTexteRiche(page));
    // What the user types from now on are retouches of this page.
    document()->setModified(false);
}

void InitDocumentHtml(NoteView& view, const QString& entete)
{
    try {
        view.setEnabled(true);
        if (view.ADocument())
            view.setReadOnly(true);
        // A blank page first, as a browser navigates to about:blank, so that a
        // failure below leaves nothing of the previous note half-replaced.
        view.clear();
        view.DefinirDocument(true);
        view.setReadOnly(false);
        view.DefinirEntete(entete);
        view.ChargerPage(PageHtml(entete));
    } catch (const std::exception&) {
        // The view keeps whatever it shows.
    }
}

void DefinirCorpsHtml(NoteView& view, const QString& corps)
{
    if (!view.ADocument())
        return;
    view.ChargerPage(PageHtmlAvecCorps(view.Entete(), corps));
}

void CopierDocumentHtml(NoteView& view)
{
    if (!view.ADocument())
        return;
    // The note's own HTML keeps its classes and column widths in a word
    // processor; Qt's rewrite of it is taken only when it holds retouches.
    const bool retouchee = view.document()->isModified();
    CopierTexteEtHtml(view.toPlainText(), HtmlACopier(view.PageChargee(), retouchee ? view.toHtml() : QString(), retouchee));
}
