#include "shell/gui/ApplicationSetup.h"

#include "shell/gui/ApplicationIcon.h"
#include "shell/gui/ApplicationStyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <clocale>

TApplicationPreparee::~TApplicationPreparee()
{
    if (listePolices.joinable())
        listePolices.join();
}

std::unique_ptr<TApplicationPreparee> PreparerApplication()
{
    auto preparation = std::make_unique<TApplicationPreparee>();
    // The font database and the image plugins are safe to use from any
    // thread: the window's first text measurement waits for this reading
    // instead of doing it again. The plugins come after, being needed later:
    // by the window's first paint (Qt's style draws some frames from
    // pictures), not by building it (TStyleApplication).
    preparation->listePolices = std::thread([] {
        QFontDatabase::families();
        QImageReader::supportedImageFormats();
    });

    // Qt's style, with the bars' standard icons decoded when first shown.
    if (!dynamic_cast<TStyleApplication*>(QApplication::style())) {
        if (QStyle* base = QStyleFactory::create(QApplication::style()->name()))
            QApplication::setStyle(new TStyleApplication(base));
    }

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
    if (traduction->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traduction.get());
        preparation->traduction = std::move(traduction);
    }
    return preparation;
}
