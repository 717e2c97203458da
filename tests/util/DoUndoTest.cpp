#include "util/DoUndo.h"

#include <gtest/gtest.h>

TEST(DoUndo, AsksTheOwnerOnlyWhenItCountedNothing)
{
    TDoUndo counter;
    EXPECT_FALSE(counter.Modified()); // no hook: not modified

    bool ownerSays = true;
    int questions = 0;
    counter.setOnDemandeEtatExt([&](bool& modified) {
        ++questions;
        EXPECT_FALSE(modified); // the question starts from false
        modified = ownerSays;
    });
    EXPECT_TRUE(counter.Modified());
    ownerSays = false;
    EXPECT_FALSE(counter.Modified());
    EXPECT_EQ(questions, 2);

    counter.SetModified(true);
    EXPECT_TRUE(counter.Modified());
    EXPECT_EQ(questions, 2); // counted modifications answer alone
}

TEST(DoUndo, CountsAndClears)
{
    TDoUndo counter;
    int clears = 0;
    counter.setOnClearModified([&](TDoUndo& sender) {
        EXPECT_EQ(&sender, &counter);
        EXPECT_EQ(sender.NbModifsFichier(), 0);
        ++clears;
    });
    counter.SetModified(true);
    counter.SetModified(true);
    EXPECT_EQ(counter.NbModifsFichier(), 2);
    EXPECT_EQ(counter.NbModifsFichierCumulees(), 2);
    counter.SetModified(false);
    EXPECT_EQ(counter.NbModifsFichier(), 0);
    EXPECT_EQ(counter.NbModifsFichierCumulees(), 0);
    EXPECT_EQ(clears, 1);
}

TEST(DoUndo, NestedQuestionAnswersFalse)
{
    TDoUndo counter;
    bool nested = true;
    counter.setOnDemandeEtatExt([&](bool& modified) {
        nested = counter.Modified();
        modified = true;
    });
    EXPECT_TRUE(counter.Modified());
    EXPECT_FALSE(nested);
    // The guard is released afterwards: a second question reaches the owner again.
    nested = true;
    EXPECT_TRUE(counter.Modified());
    EXPECT_FALSE(nested);
}
