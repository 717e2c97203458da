#include "report/NotePdf.h"

#include "report/HtmlDocument.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

QByteArray NotePdf(const QString& pageHtml, const QString& titre)
{
    QByteArray octets;
    {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Tolvane"));
        pdf.setResolution(300);
        // The sixteen columns of the torsor tables need the width of a
        // landscape page to stay readable.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        QTextDocument document;
        QFont police = document.defaultFont();
        police.setPointSizeF(9);
        document.setDefaultFont(police);
        document.setHtml(HtmlPourTexteRiche(pageHtml));
        document.print(&pdf);
    }
    return octets;
}
