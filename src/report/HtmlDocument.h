#pragma once

#include <QByteArray>
#include <QString>

// The page the note view loads and the "HTML Format" clipboard block: plain
// text work, done without any view so that the command-line tool and the tests
// share it with the window.

// The HTML 4.01 Transitional declaration, on one line.
extern const QString kDeclarationHtml401;

// The page of InitDocumentHtml: the declaration, <html>, the head text (the
// <style> element, with no <head> around it), an empty body, </html>; CR LF
// after each.
QString PageHtml(const QString& entete);

// The same page whose body holds corps: "<body>" + corps + "</body>".
QString PageHtmlAvecCorps(const QString& entete, const QString& corps);

// The same page written piece by piece into one text, for a body too long to
// be built apart and copied: OuvrirPageHtml writes up to and with "<body>",
// the caller appends the body, FermerPageHtml writes from "</body>" to the end.
void OuvrirPageHtml(QString& page, const QString& entete);
void FermerPageHtml(QString& page);

// Offsets of the "HTML Format" block, in bytes of its UTF-8 text.
struct TOffsetsHtmlFormat {
    qsizetype StartHTML = 0;
    qsizetype EndHTML = 0;
    qsizetype StartFragment = 0;
    qsizetype EndFragment = 0;
};

// The clipboard block: description header with ten-digit offsets, avant, the
// start marker, fragment, the end marker, apres, in UTF-8, then one zero byte.
QByteArray BlocHtmlFormat(const QString& fragment, const QString& avant = {}, const QString& apres = {},
                          TOffsetsHtmlFormat* offsets = nullptr);

// Puts avant + fragment + apres on the clipboard as "HTML Format" (and as
// text/html). With vider false the plain text already on the clipboard is kept
// beside it; with vider true the clipboard holds only the HTML.
void HtmlVersPressePapiers(const QString& fragment, const QString& avant, const QString& apres, bool vider);

// The clipboard content of a displayed document: its plain text, its HTML as
// text/html and as the "HTML Format" block around the whole HTML.
void CopierTexteEtHtml(const QString& texte, const QString& html);

// The HTML a copy of the note view carries, from <html> to </html>: the page
// the view was loaded with, whose classes, column widths and colours a word
// processor understands; once the user has retouched the view, the view's own
// HTML, which holds the retouches.
QString HtmlACopier(const QString& pageChargee, const QString& htmlVue, bool retouchee);

// The page as Qt's rich-text engine must receive it to show what a browser
// shows: a "<" that cannot open a tag (as in the eccentricity text
// "0.13 (<0.17) ") is written "&lt;", where Qt would take it for a tag and
// drop the rest of the cell; a cell of one word (a figure) is given
// style="white-space:nowrap", where Qt would break "0.00" after its point or
// any word in a narrow cell. The text itself is unchanged.
QString HtmlPourTexteRiche(const QString& html);

// Escapes "<", ">" and "&" of a user-typed text shown inside HTML.
QString EchapperHtml(const QString& texte);
