#pragma once

#include <QByteArray>
#include <QString>

// The note's page printed on A4 pages, as a PDF file's bytes. Needs a
// QGuiApplication (fonts and layout).
QByteArray NotePdf(const QString& pageHtml, const QString& titre);
