#pragma once

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A PDF read back as its reader sees it, with the poppler-utils tools
// (pdfinfo, pdftotext, pdftoppm). Tests skip when the tools are absent.

inline bool OutilsPdfPresents()
{
    for (const char* outil : {"pdfinfo", "pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(outil)).isEmpty())
            return false;
    return true;
}

// What a tool writes on its standard output; empty when it failed.
inline QByteArray SortieOutilPdf(const QString& outil, const QStringList& arguments)
{
    QProcess p;
    p.start(outil, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

// The page count of pdfinfo; -1 when the file is no readable PDF.
inline int PagesPdf(const QString& chemin)
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(QString::fromUtf8(SortieOutilPdf(QStringLiteral("pdfinfo"), {chemin})));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of pages premiere to derniere (all when 0), blanks folded to one space.
inline QString TextePdf(const QString& chemin, int premiere = 0, int derniere = 0)
{
    QStringList arguments;
    if (premiere > 0)
        arguments << QStringLiteral("-f") << QString::number(premiere);
    if (derniere > 0)
        arguments << QStringLiteral("-l") << QString::number(derniere);
    arguments << chemin << QStringLiteral("-");
    // Ligatures ("ﬀ") are given back as their letters.
    return QString::fromUtf8(SortieOutilPdf(QStringLiteral("pdftotext"), arguments))
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

// One page rendered as a picture at dpi dots per inch; null when it failed.
inline QImage PagePdf(const QString& chemin, int page, int dpi = 40)
{
    QTemporaryDir dossier;
    const QString base = dossier.filePath(QStringLiteral("page"));
    SortieOutilPdf(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                                QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                QString::number(page), QStringLiteral("-singlefile"), chemin, base});
    return QImage(base + QStringLiteral(".png"));
}

// The pixels of a picture that are neither white nor grey: drawing colours.
inline int PixelsColores(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qMax(qMax(c.red(), c.green()), c.blue()) - qMin(qMin(c.red(), c.green()), c.blue()) > 60)
                ++n;
        }
    return n;
}
