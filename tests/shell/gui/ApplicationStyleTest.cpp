#include "shell/gui/ApplicationStyle.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QToolBar>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QImage Image(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// A window as the application's: a menu bar, a tool bar with the file
// commands' icons, and some controls.
std::unique_ptr<QMainWindow> Fenetre(QStyle& style)
{
    auto fenetre = std::make_unique<QMainWindow>();
    fenetre->resize(420, 220);
    fenetre->menuBar()->addMenu(QStringLiteral("&Fichiers"))->addAction(QStringLiteral("&Ouvrir..."));
    fenetre->menuBar()->addMenu(QStringLiteral("&Edition"));
    QToolBar* barre = fenetre->addToolBar(QStringLiteral("Barre d'outils"));
    for (QStyle::StandardPixmap sp : {QStyle::SP_FileIcon, QStyle::SP_DialogOpenButton, QStyle::SP_DialogSaveButton,
                                      QStyle::SP_DialogCloseButton})
        barre->addAction(style.standardIcon(sp), QStringLiteral("commande"));
    auto* centre = new QWidget;
    auto* colonne = new QVBoxLayout(centre);
    colonne->addWidget(new QLabel(QStringLiteral("Hauteur du contrefort")));
    colonne->addWidget(new QLineEdit(QStringLiteral("12.50")));
    fenetre->setCentralWidget(centre);
    return fenetre;
}

// A window with the tall frames of the application's: a group box with a
// title as high as the window, the tool bar along its top and another down
// its side.
std::unique_ptr<QMainWindow> FenetreAGrandsCadres(QStyle& style)
{
    std::unique_ptr<QMainWindow> fenetre = Fenetre(style);
    fenetre->resize(640, 520);
    QToolBar* cote = new QToolBar(QStringLiteral("Côté"));
    cote->addAction(style.standardIcon(QStyle::SP_FileIcon), QStringLiteral("commande"));
    fenetre->addToolBar(Qt::LeftToolBarArea, cote);
    auto* cadre = new QGroupBox(QStringLiteral("Mémo"));
    auto* colonne = new QVBoxLayout(cadre);
    colonne->addWidget(new QPlainTextEdit(QStringLiteral("Contreforts du chœur, côté nord")));
    fenetre->setCentralWidget(cadre);
    return fenetre;
}

// Threads of Qt's thread pools, which its raster engine hands large fills to.
int FilsDeReserve()
{
    int fils = 0;
    for (const QString& tache : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile nom(QStringLiteral("/proc/self/task/%1/comm").arg(tache));
        if (nom.open(QIODevice::ReadOnly) && nom.readAll().trimmed() == "Thread (pooled)")
            ++fils;
    }
    return fils;
}

// The application's style for the duration of a test, Fusion again after.
class StyleDeLApplication {
public:
    StyleDeLApplication() { QApplication::setStyle(new TStyleApplication(QStyleFactory::create(QStringLiteral("Fusion")))); }
    ~StyleDeLApplication() { QApplication::setStyle(QStringLiteral("Fusion")); }
};

bool PluginImageCharge()
{
    QFile cartes(QStringLiteral("/proc/self/maps"));
    return cartes.open(QIODevice::ReadOnly) && cartes.readAll().contains("/imageformats/");
}

} // namespace

// Every standard icon, those decoded late and the others, gives the pictures
// of the style's own icon.
TEST(StyleApplication, StandardIconsAreTheBaseStylesIcons)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const TStyleApplication style(QStyleFactory::create(QStringLiteral("Fusion")));
    for (QStyle::StandardPixmap sp :
         {QStyle::SP_FileIcon, QStyle::SP_DialogSaveButton, QStyle::SP_ToolBarHorizontalExtensionButton,
          QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_MessageBoxWarning, QStyle::SP_ArrowBack}) {
        SCOPED_TRACE(testing::Message() << "icône standard " << int(sp));
        const QIcon obtenue = style.standardIcon(sp);
        const QIcon attendue = fusion->standardIcon(sp);
        EXPECT_EQ(obtenue.availableSizes(), attendue.availableSizes());
        for (int cote : {8, 16, 24, 32, 64})
            EXPECT_EQ(Image(obtenue.pixmap(QSize(cote, cote))), Image(attendue.pixmap(QSize(cote, cote)))) << cote << " px";
    }
}

// Under the application's style a window draws exactly as under Qt's: a
// window as the application's, and one with tall frames, painted in bands.
TEST(StyleApplication, WindowsDrawAsUnderTheBaseStyle)
{
    using Fabrique = std::unique_ptr<QMainWindow> (*)(QStyle&);
    for (const Fabrique fabrique : {&Fenetre, &FenetreAGrandsCadres}) {
        ASSERT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
        const QImage attendue = [&] {
            const std::unique_ptr<QMainWindow> fenetre = fabrique(*QApplication::style());
            fenetre->show();
            return fenetre->grab().toImage();
        }();
        const StyleDeLApplication style;
        ASSERT_NE(dynamic_cast<TStyleApplication*>(QApplication::style()), nullptr);
        const std::unique_ptr<QMainWindow> fenetre = fabrique(*QApplication::style());
        fenetre->show();
        EXPECT_EQ(fenetre->grab().toImage(), attendue) << (fabrique == &Fenetre ? "fenêtre" : "grands cadres");
    }
}

// The tall frames are painted on the painting thread alone: no fill is handed
// to Qt's thread pool, whose threads are then never started.
TEST(StyleApplication, TallFramesArePaintedWithoutQtsThreadPool)
{
    if (FilsDeReserve() > 0)
        GTEST_SKIP() << "un test précédent de ce programme a déjà démarré les fils de Qt";
    {
        const StyleDeLApplication style;
        const std::unique_ptr<QMainWindow> fenetre = FenetreAGrandsCadres(*QApplication::style());
        fenetre->show();
        EXPECT_FALSE(fenetre->grab().toImage().isNull());
        EXPECT_EQ(FilsDeReserve(), 0);
    }
    // The same window under Qt's own style starts them: the check can fail.
    const std::unique_ptr<QMainWindow> fenetre = FenetreAGrandsCadres(*QApplication::style());
    fenetre->show();
    EXPECT_FALSE(fenetre->grab().toImage().isNull());
    EXPECT_GT(FilsDeReserve(), 0);
}

// Building and showing a window with a menu bar and a tool bar reads its
// pictures without opening any image plugin (the start-up opens them on its
// second thread).
TEST(StyleApplication, BarsAreBuiltAndShownWithoutOpeningImagePlugins)
{
    if (PluginImageCharge())
        GTEST_SKIP() << "un test précédent de ce programme a déjà ouvert les modules d'images";
    const StyleDeLApplication style;
    const std::unique_ptr<QMainWindow> fenetre = Fenetre(*QApplication::style());
    fenetre->show();
    const QImage image = fenetre->grab().toImage();
    EXPECT_FALSE(image.isNull());
    EXPECT_FALSE(PluginImageCharge());
    // The same window under Qt's own style opens them: the check can fail.
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QMainWindow> autre = Fenetre(*fusion);
    EXPECT_TRUE(PluginImageCharge());
}
