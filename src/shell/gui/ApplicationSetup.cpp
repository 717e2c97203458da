#include "shell/gui/ApplicationSetup.h"

#include "shell/gui/ApplicationIcon.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

std::unique_ptr<QTranslator> PreparerApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vok"));
    QCoreApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setWindowIcon(IconeApplication());

    // The application object took the user's locale for the C library: its
    // number conversions would read "2,5" and write commas.
    std::setlocale(LC_NUMERIC, "C");
    // French texts, numbers with a point: Qt's C locale keeps the point and
    // drops group separators, and the translations below stay French.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(c);

    auto traduction = std::make_unique<QTranslator>();
    if (!traduction->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(traduction.get());
    return traduction;
}
