#include "platform/Random.h"

#include <gtest/gtest.h>

#include <vector>

class RandomTest : public ::testing::Test
{
protected:
    RandomTest() { Random::ClearInjected(); }
    ~RandomTest() override { Random::ClearInjected(); }
};

TEST_F(RandomTest, ASeedGivesTheClassicSequenceAgain)
{
    Random::Seed(1);
    std::vector<int> first;
    for (int i = 0; i < 5; ++i) {
        first.push_back(Random::Next());
    }
    EXPECT_EQ(first, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    Random::Seed(1);
    EXPECT_EQ(Random::Next(), 41);

    Random::SeedFromTime();
    for (int i = 0; i < 10000; ++i) {
        int value = Random::Next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, Random::RANDOM_MAX);
    }
}

TEST_F(RandomTest, InjectedValuesComeFirstAndSurviveSeeding)
{
    Random::Seed(1);
    ASSERT_TRUE(Random::Inject({7, 0, 3}));
    Random::SeedFromTime();
    Random::Seed(1);
    EXPECT_EQ(Random::InjectedLeft(), 3);
    EXPECT_EQ(Random::Next(), 7);
    EXPECT_EQ(Random::Next(), 0);
    EXPECT_EQ(Random::Next(), 3);
    EXPECT_EQ(Random::Next(), 41);

    EXPECT_FALSE(Random::Inject({1, -2}));
    EXPECT_EQ(Random::InjectedLeft(), 0);
    std::vector<int> many(Random::MAX_INJECTED, 5);
    EXPECT_TRUE(Random::Inject(many.data(), static_cast<int>(many.size())));
    EXPECT_FALSE(Random::Inject({1}));
    // The ring wraps around without losing order.
    for (int i = 0; i < 10; ++i) {
        Random::Next();
    }
    EXPECT_TRUE(Random::Inject({9}));
    int last = -1;
    while (Random::InjectedLeft() > 0) {
        last = Random::Next();
    }
    EXPECT_EQ(last, 9);
}
