#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code page of every file the system writes and of unmarked files it
// reads: Windows-1252, which keeps French texts intact.
namespace AnsiCodePage {

// Characters the code page cannot hold become '?', one per character.
QByteArray fromUnicode(const QString& text);

QString toUnicode(const QByteArray& bytes);

} // namespace AnsiCodePage
