#include "shell/gui/FBaseM2.h"

#include <gtest/gtest.h>

TEST(MainWindow, CaptionNamesTheDocumentOrNothing)
{
    TFBaseM2 fenetre;
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Tolvane : (rien en cours)"));
    fenetre.MajTitre(QStringLiteral("église.Tolvane"));
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Tolvane : église.Tolvane"));
    fenetre.MajTitre();
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Tolvane : (rien en cours)"));
}
