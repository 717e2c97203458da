#include "report/gui/NoteView.h"

#include "report/HtmlDocument.h"

#include <exception>

NoteView::NoteView(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(true);
}

void NoteView::ChargerPage(const QString& page)
{
    FPage = page;
    setHtml(HtmlPourTexteRiche(page));
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
    // What the view holds now, with the user's retouches, from its root element.
    QString html = view.toHtml();
    const qsizetype racine = html.indexOf(QStringLiteral("<html"), 0, Qt::CaseInsensitive);
    if (racine > 0)
        html.remove(0, racine);
    const qsizetype fin = html.lastIndexOf(QStringLiteral("</html>"), -1, Qt::CaseInsensitive);
    if (fin >= 0)
        html.truncate(fin + 7);
    CopierTexteEtHtml(view.toPlainText(), html);
}
