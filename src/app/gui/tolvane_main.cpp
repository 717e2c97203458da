#include "frame/gui/HostedButtressFrame.h"
#include "app/gui/ScreenCaptures.h"
#include "app/gui/TerminationRequest.h"
#include "shell/gui/ApplicationSetup.h"
#include "shell/gui/FBaseM2.h"
#include "util/gui/QtPlatformServices.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<TApplicationPreparee> preparation = PreparerApplication();

    QtPlatformServices platform;
    installServices(&platform);
    int status = 0;
    {
        TFBaseM2 window(FabriqueCadreContrefort());
        platform.setDialogParent(&window);
        TerminationRequest fin([&window] { window.close(); });
        QStringList documents = QApplication::arguments();
        documents.removeFirst();
        window.DebutAppli(documents);
        window.show();
        const QString captures = qEnvironmentVariable("TOLVANE_CAPTURES");
        if (!captures.isEmpty())
            PrendreCaptures(window, captures);
        status = QApplication::exec();
        platform.setDialogParent(nullptr);
    }
    installServices(nullptr);
    return status;
}
