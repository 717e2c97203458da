#include "files/RecentFiles.h"

#include <algorithm>

namespace {

bool needsQuotes(const QString& entry)
{
    for (const QChar c : entry)
        if (c.unicode() <= 32 || c == u',' || c == u'"')
            return true;
    return false;
}

bool isBlank(QChar c) { return c.unicode() >= 1 && c.unicode() <= 32; }

} // namespace

QString TexteVirgules(const QStringList& entries)
{
    QStringList parts;
    parts.reserve(entries.size());
    for (const QString& entry : entries) {
        if (needsQuotes(entry)) {
            QString quoted = entry;
            quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            parts.append(u'"' + quoted + u'"');
        } else {
            parts.append(entry);
        }
    }
    return parts.join(u',');
}

QStringList LireTexteVirgules(const QString& text)
{
    QStringList entries;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    while (i < n) {
        QString entry;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        entry.append(u'"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                entry.append(text[i++]);
            }
        } else {
            const qsizetype start = i;
            while (i < n && text[i].unicode() > 32 && text[i] != u',')
                ++i;
            entry = text.mid(start, i - start);
        }
        entries.append(entry);
        while (i < n && isBlank(text[i]))
            ++i;
        if (i < n && text[i] == u',') {
            ++i;
            if (i == n)
                entries.append(QString());
            while (i < n && isBlank(text[i]))
                ++i;
        }
    }
    return entries;
}

void TListeRecents::Ajouter(const QString& path, int maxEntries)
{
    if (path.trimmed().isEmpty())
        return;
    const auto known = std::find_if(FEntrees.begin(), FEntrees.end(), [&](const QString& entry) {
        return entry.compare(path, Qt::CaseInsensitive) == 0;
    });
    if (known != FEntrees.end())
        FEntrees.erase(known);
    else if (maxEntries > 0 && FEntrees.size() >= maxEntries)
        FEntrees.removeLast();
    FEntrees.prepend(path);
}

QString TListeRecents::TexteEnregistre() const { return TexteVirgules(FEntrees.mid(0, kEntreesEnregistrees)); }

void TListeRecents::ChargerTexte(const QString& text, int maxEntries)
{
    const QStringList stored = LireTexteVirgules(text);
    for (auto entry = stored.crbegin(); entry != stored.crend(); ++entry)
        Ajouter(*entry, maxEntries);
}
