#include "SettingsFixture.h"

#include "settings/gui/PlacedWidget.h"

#include <QWidget>

namespace {

// The main window's store on form, configuration 0 loaded, as at start-up.
std::unique_ptr<TWinReg> MainWindowStore(QWidget& form)
{
    form.setObjectName(QStringLiteral("FBaseM2"));
    auto WR = std::make_unique<TWinReg>(TWinReg::Role::MainWindow);
    WR->setNomAppli(QStringLiteral("Tolvane"));
    AttacherFenetre(*WR, form);
    WR->ChargeReg(0);
    return WR;
}

} // namespace

TEST_F(SettingsTest, MaximisedWidgetComesBackMaximisedOverItsNormalRectangle)
{
    const QRect normal(120, 90, 700, 500);
    {
        QWidget form;
        const auto WR = MainWindowStore(form);
        form.setGeometry(normal);
        form.showMaximized();
        ASSERT_TRUE(form.isMaximized());
        ASSERT_TRUE(WR->RangeReg(0));
    }
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FBaseM2/WinLTWH")), QStringLiteral("A120 90 700 500"));

    QWidget form;
    const auto WR = MainWindowStore(form);
    form.show();
    EXPECT_TRUE(form.isMaximized());
    EXPECT_EQ(form.normalGeometry(), normal);
    form.showNormal();
    EXPECT_EQ(form.geometry(), normal);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsTest, ComponentOnAWidgetThatIsNotAWindowIsReported)
{
    QWidget window;
    QWidget* panel = new QWidget(&window); // owned by the window
    panel->setObjectName(QStringLiteral("PnCalcul"));
    TWinReg WR;
    AttacherFenetre(WR, *panel);
    EXPECT_EQ(platform.messages, std::vector<QString>{QStringLiteral("WinReg : Owner <> TForm : PnCalcul")});
    EXPECT_EQ(WR.CleFiche(), QStringLiteral("PnCalcul"));
}
