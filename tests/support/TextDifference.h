#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <string>

// Where two texts of CR LF lines part, for a failure message.
inline std::string PremiereDifference(const QString& obtenu, const QString& attendu)
{
    const QStringList a = obtenu.split(QStringLiteral("\r\n"));
    const QStringList b = attendu.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            return "line " + std::to_string(i + 1) + ":\n  got      " + a.value(i).toStdString() + "\n  expected "
                + b.value(i).toStdString() + "\n";
    return "same lines";
}
