#include "report/HtmlDocument.h"

#include "util/PlatformServices.h"
#include "util/TextFields.h"

#include <QMimeData>
#include <algorithm>
#include <memory>

const QString kDeclarationHtml401 =
    QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                   "\"http://www.w3.org/TR/html4/loose.dtd\">");

namespace {

const QString kFormatHtml = QStringLiteral("HTML Format");
const QByteArray kDebutFragment = QByteArrayLiteral("<!-- StartFragment-->");
const QByteArray kFinFragment = QByteArrayLiteral("<!-- EndFragment-->");

QString PageHtmlAvecBody(const QString& entete, const QString& body)
{
    return kDeclarationHtml401 + kCrLf + QStringLiteral("<html>") + kCrLf + entete + kCrLf + body + kCrLf
           + QStringLiteral("</html>") + kCrLf;
}

void RemplacerOffset(QByteArray& bloc, char lettre, qsizetype valeur)
{
    const QByteArray marque = QByteArray("000000000") + lettre;
    const QByteArray chiffres = QByteArray::number(qlonglong(valeur)).rightJustified(10, '0');
    const qsizetype position = bloc.indexOf(marque);
    if (position >= 0)
        bloc.replace(position, marque.size(), chiffres);
}

std::unique_ptr<QMimeData> MimeHtml(const QString& html, const QByteArray& bloc)
{
    auto mime = std::make_unique<QMimeData>();
    mime->setHtml(html);
    mime->setData(kFormatHtml, bloc);
    return mime;
}

} // namespace

QString PageHtml(const QString& entete) { return PageHtmlAvecBody(entete, QStringLiteral("<body>&nbsp;</body>")); }

QString PageHtmlAvecCorps(const QString& entete, const QString& corps)
{
    QString page;
    page.reserve(kDeclarationHtml401.size() + entete.size() + corps.size() + 64);
    OuvrirPageHtml(page, entete);
    page += corps;
    FermerPageHtml(page);
    return page;
}

void OuvrirPageHtml(QString& page, const QString& entete)
{
    page += kDeclarationHtml401;
    page += kCrLf;
    page += u"<html>";
    page += kCrLf;
    page += entete;
    page += kCrLf;
    page += u"<body>";
}

void FermerPageHtml(QString& page)
{
    page += u"</body>";
    page += kCrLf;
    page += u"</html>";
    page += kCrLf;
}

QByteArray BlocHtmlFormat(const QString& fragment, const QString& avant, const QString& apres,
                          TOffsetsHtmlFormat* offsets)
{
    const QByteArray entete = QByteArrayLiteral("Version:1.0\r\n"
                                                "StartHTML:000000000a\r\n"
                                                "EndHTML:000000000b\r\n"
                                                "StartFragment:000000000c\r\n"
                                                "EndFragment:000000000d\r\n"
                                                "StartSelection:000000000e\r\n"
                                                "EndSelection:000000000f\r\n");
    const QByteArray avant8 = avant.toUtf8();
    const QByteArray fragment8 = fragment.toUtf8();
    const QByteArray apres8 = apres.toUtf8();

    TOffsetsHtmlFormat o;
    o.StartHTML = entete.size();
    o.StartFragment = entete.size() + avant8.size() + kDebutFragment.size();
    o.EndFragment = o.StartFragment + fragment8.size();
    o.EndHTML = o.EndFragment + kFinFragment.size() + apres8.size();

    QByteArray bloc;
    bloc.reserve(o.EndHTML + 1);
    bloc += entete;
    bloc += avant8;
    bloc += kDebutFragment;
    bloc += fragment8;
    bloc += kFinFragment;
    bloc += apres8;
    // The placeholders and the offsets have the same length, so replacing them
    // keeps every offset valid.
    RemplacerOffset(bloc, 'a', o.StartHTML);
    RemplacerOffset(bloc, 'b', o.EndHTML);
    RemplacerOffset(bloc, 'c', o.StartFragment);
    RemplacerOffset(bloc, 'd', o.EndFragment);
    RemplacerOffset(bloc, 'e', o.StartFragment);
    RemplacerOffset(bloc, 'f', o.EndFragment);
    bloc.append('\0');
    if (offsets)
        *offsets = o;
    return bloc;
}

void HtmlVersPressePapiers(const QString& fragment, const QString& avant, const QString& apres, bool vider)
{
    // The platform clipboard takes one set of formats at a time: keeping the
    // formats already there means carrying the plain text over.
    const QString texte = vider ? QString() : services().clipboardText();
    auto mime = MimeHtml(avant + fragment + apres, BlocHtmlFormat(fragment, avant, apres));
    if (!vider && !texte.isEmpty())
        mime->setText(texte);
    services().setClipboardMimeData(std::move(mime));
}

void CopierTexteEtHtml(const QString& texte, const QString& html)
{
    auto mime = MimeHtml(html, BlocHtmlFormat(html));
    mime->setText(texte);
    services().setClipboardMimeData(std::move(mime));
}

QString HtmlACopier(const QString& pageChargee, const QString& htmlVue, bool retouchee)
{
    QString html = retouchee ? htmlVue : pageChargee;
    const qsizetype racine = html.indexOf(QStringLiteral("<html"), 0, Qt::CaseInsensitive);
    if (racine > 0)
        html.remove(0, racine);
    const qsizetype fin = html.lastIndexOf(QStringLiteral("</html>"), -1, Qt::CaseInsensitive);
    if (fin >= 0)
        html.truncate(fin + 7);
    return html;
}

namespace {

// Qt's rich text breaks a figure such as "0.00" after its point, and any word
// in a cell too narrow for it; a browser breaks neither, and "0." over "00"
// reads as two numbers. A cell of one word keeps it on one line: a table too
// wide for the view then scrolls sideways, as in a browser. Every "<" of html
// opens a tag.
QString CellulesDUnMotSurUneLigne(const QString& html)
{
    const QStringView source(html);
    QString resultat;
    resultat.reserve(html.size() + html.size() / 8);
    qsizetype copie = 0;
    for (qsizetype i = source.indexOf(u'<'); i >= 0; i = source.indexOf(u'<', i + 1)) {
        const qsizetype finBalise = source.indexOf(u'>', i);
        if (finBalise < 0)
            break;
        const QStringView balise = source.sliced(i, finBalise - i);
        const bool cellule = balise.size() >= 3 && balise[1].toUpper() == u'T'
                             && (balise[2].toUpper() == u'D' || balise[2].toUpper() == u'H')
                             && (balise.size() == 3 || balise[3].isSpace());
        if (!cellule || balise.contains(u"style=", Qt::CaseInsensitive))
            continue;
        const qsizetype suite = source.indexOf(u'<', finBalise);
        if (suite < 0)
            break;
        const QStringView texte = source.sliced(finBalise + 1, suite - finBalise - 1);
        const QStringView fin = source.sliced(suite);
        const bool fermee = fin.startsWith(u"</TD", Qt::CaseInsensitive) || fin.startsWith(u"</TH", Qt::CaseInsensitive);
        if (!fermee || texte.isEmpty() || std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isSpace(); }))
            continue;
        resultat += source.sliced(copie, finBalise - copie);
        if (!source[finBalise - 1].isSpace())
            resultat += u' ';
        resultat += QStringLiteral("style=\"white-space:nowrap\"");
        copie = finBalise;
    }
    resultat += source.sliced(copie);
    return resultat;
}

} // namespace

QString HtmlPourTexteRiche(const QString& html)
{
    QString resultat;
    resultat.reserve(html.size() + 16);
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (c != u'<') {
            resultat += c;
            continue;
        }
        const char16_t suivant = i + 1 < html.size() ? html[i + 1].unicode() : u'\0';
        const bool ouvreBalise = (suivant >= u'a' && suivant <= u'z') || (suivant >= u'A' && suivant <= u'Z')
                                 || suivant == u'/' || suivant == u'!' || suivant == u'?';
        resultat += ouvreBalise ? QStringLiteral("<") : QStringLiteral("&lt;");
    }
    return CellulesDUnMotSurUneLigne(resultat);
}

QString EchapperHtml(const QString& texte)
{
    QString echappe;
    echappe.reserve(texte.size());
    for (const QChar c : texte) {
        switch (c.unicode()) {
        case u'<': echappe += QStringLiteral("&lt;"); break;
        case u'>': echappe += QStringLiteral("&gt;"); break;
        case u'&': echappe += QStringLiteral("&amp;"); break;
        default: echappe += c;
        }
    }
    return echappe;
}
