#include "report/NotePdf.h"

#include "report/NoteLayout.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kResolution = 300;

} // namespace

QByteArray NotePdf(const QString& pageHtml, const QString& titre)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Tolvane"));
        pdf.setResolution(kResolution);
        // The sixteen columns of the torsor tables need the width of a
        // landscape page to stay readable.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        QPainter painter(&pdf);
        const QRectF pied = LignePied(pdf);
        MiseEnPageNote mise(painter, pdf, 1, [&pied](QPainter& p, int numero) {
            p.setFont(PoliceNote(false));
            p.setPen(Qt::black);
            p.drawText(pied, int(Qt::AlignRight | Qt::AlignVCenter), QStringLiteral("page %1").arg(numero));
        });
        for (const TableauNote& t : LireTableauxNote(pageHtml))
            mise.Tableau(t);
        mise.Terminer();
    }
    return octets;
}
