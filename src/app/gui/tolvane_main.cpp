#include "shell/gui/FBaseM2.h"
#include "util/gui/QtPlatformServices.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vok"));
    QApplication::setApplicationName(QStringLiteral("Tolvane"));

    // Qt's own buttons (Oui, Non, Annuler) in French.
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    QtPlatformServices platform;
    installServices(&platform);

    TFBaseM2 window;
    platform.setDialogParent(&window);
    window.show();
    const int status = QApplication::exec();
    installServices(nullptr);
    return status;
}
