#include "files/DocumentNames.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// The pattern of entry (from 1), or empty.
QString motif(const QString& filtre, int entree)
{
    const QStringList champs = filtre.split(u'|');
    const qsizetype index = 2 * qsizetype(entree) - 1;
    return index >= 1 && index < champs.size() ? champs[index].trimmed() : QString();
}

// The extension of a pattern or a name with its dot (".tolvane", ".*"); empty
// when it has none.
QString extension(const QString& name)
{
    const qsizetype slash = name.lastIndexOf(u'/');
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > slash ? name.mid(dot) : QString();
}

bool extensionPleine(const QString& ext) { return ext.size() > 1 && !ext.contains(u'*') && !ext.contains(u'?'); }

int nombreEntrees(const QString& filtre) { return int((filtre.split(u'|').size() + 1) / 2); }

} // namespace

QString NomNouveau(const QString& format, int numero)
{
    const QString pattern = format.isEmpty() ? QStringLiteral("Nouveau%d") : format;
    QString name;
    bool numberWritten = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'%') {
            name.append(pattern[i]);
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == u'%') {
            name.append(u'%');
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        bool leftAlign = false;
        bool zeroPad = false;
        while (j < pattern.size() && QStringLiteral("-0+ #").contains(pattern[j])) {
            leftAlign = leftAlign || pattern[j] == u'-';
            zeroPad = zeroPad || pattern[j] == u'0';
            ++j;
        }
        int width = 0;
        while (j < pattern.size() && pattern[j].isDigit())
            width = width * 10 + pattern[j++].digitValue();
        int precision = -1;
        if (j < pattern.size() && pattern[j] == u'.') {
            precision = 0;
            ++j;
            while (j < pattern.size() && pattern[j].isDigit())
                precision = precision * 10 + pattern[j++].digitValue();
        }
        if (j >= pattern.size() || pattern[j] != u'd' || numberWritten) {
            name.append(pattern.mid(i, j - i + (j < pattern.size() ? 1 : 0)));
            i = j;
            continue;
        }
        QString digits = QString::number(qAbs(qint64(numero)));
        if (precision >= 0)
            digits = digits.rightJustified(precision, u'0');
        if (numero < 0)
            digits.prepend(u'-');
        const QChar fill = zeroPad && precision < 0 && !leftAlign ? u'0' : u' ';
        digits = leftAlign ? digits.leftJustified(width, u' ') : digits.rightJustified(width, fill);
        name.append(digits);
        numberWritten = true;
        i = j;
    }
    return name;
}

QString CheminBak(const QString& documentPath, const QString& extBak)
{
    QString e = extBak.trimmed();
    if (e.isEmpty())
        return {};
    if (e.startsWith(u'+'))
        e.remove(0, 1);
    while (e.startsWith(u'.'))
        e.remove(0, 1);
    e = e.trimmed();
    return documentPath + u'.' + e;
}

int EntreeFiltrePourNom(const QString& filtre, const QString& chosenPath)
{
    const QString ext = extension(QFileInfo(chosenPath).fileName()).toLower();
    const int n = nombreEntrees(filtre);
    if (!ext.isEmpty())
        for (int entree = 1; entree <= n; ++entree)
            if (extension(motif(filtre, entree)).toLower() == ext)
                return entree;
    for (int entree = 1; entree <= n; ++entree)
        if (extensionPleine(extension(motif(filtre, entree))))
            return entree;
    return 1;
}

QString NomEnregistrerSous(const QString& chosenPath, const QString& filtre, int entree)
{
    const QFileInfo info(chosenPath);
    const QString folder = chosenPath.left(chosenPath.size() - info.fileName().size());
    QString name = info.fileName().toLower();
    const QString ext = extension(name);
    if (!ext.isEmpty() && filtre.toLower().contains(u'*' + ext))
        name.chop(ext.size());
    const QString extEntree = extension(motif(filtre, entree)).toLower();
    if (extensionPleine(extEntree))
        name += extEntree;
    return folder + name;
}
