#include "data/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, PlaceholderToBeReplaced) { EXPECT_EQ(orvel::cp1252ToUtf8("\x9C"), "œ"); }
