#include "engine/blockpool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Taken {
    unsigned char* block;
    int units;
};

// Each block filled with its own byte: any overlap shows as a wrong byte.
void Fill(const Taken& t, int index) { std::memset(t.block, index & 0xff, t.units * CBlockPool::kUnit); }

bool Intact(const Taken& t, int index) {
    for (std::size_t i = 0; i < t.units * CBlockPool::kUnit; ++i)
        if (t.block[i] != (index & 0xff)) return false;
    return true;
}

TEST(BlockPool, BlocksOfEverySizeStayApartOverManyPages) {
    CBlockPool pool;
    std::vector<Taken> taken;
    std::size_t bytes = 0;
    // Every size, coarsely and then one by one: over three pages in all, with
    // blocks of all sizes meeting the pages' ends.
    for (int round = 0; bytes < 3 * CBlockPool::kPageBytes; ++round) {
        for (int units = 1; units <= CBlockPool::kMaxUnits; units += round % 2 ? 1 : 37) {
            taken.push_back({static_cast<unsigned char*>(pool.Take(units)), units});
            bytes += units * CBlockPool::kUnit;
        }
    }
    for (std::size_t i = 0; i < taken.size(); ++i) {
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(taken[i].block) % CBlockPool::kUnit, 0u) << i;
        Fill(taken[i], int(i));
    }
    for (std::size_t i = 0; i < taken.size(); ++i) ASSERT_TRUE(Intact(taken[i], int(i))) << "block " << i;
    EXPECT_GT(pool.HeldBytes(), 3 * CBlockPool::kPageBytes);
    EXPECT_EQ(pool.HeldBytes() % CBlockPool::kPageBytes, 0u);
}

TEST(BlockPool, GivenBlockServesTheNextTakeOfItsSizeOnly) {
    CBlockPool pool;
    void* seven = pool.Take(7);
    void* three = pool.Take(3);
    pool.Give(seven, 7);
    void* otherSize = pool.Take(8);
    EXPECT_NE(otherSize, seven);
    void* again = pool.Take(7);
    // Under AddressSanitizer a given block is never handed out again.
    if (CBlockPool::kRecycles)
        EXPECT_EQ(again, seven);
    else
        EXPECT_NE(again, seven);
    EXPECT_NE(again, three);
}

TEST(BlockPool, ClearHandsEveryPageBackAndThePoolServesAgain) {
    const std::size_t before = CBlockPool::HeldByAllPools();
    CBlockPool pool;
    for (int i = 0; i < 100; ++i) pool.Take(CBlockPool::kMaxUnits);
    EXPECT_GE(pool.HeldBytes(), 2 * CBlockPool::kPageBytes);
    EXPECT_EQ(CBlockPool::HeldByAllPools(), before + pool.HeldBytes());
    void* given = pool.Take(5);
    pool.Give(given, 5);
    pool.Clear();
    EXPECT_EQ(pool.HeldBytes(), 0u);
    EXPECT_EQ(CBlockPool::HeldByAllPools(), before);
    // Nothing of the old pages is handed out: the given block went with them.
    Taken fresh{static_cast<unsigned char*>(pool.Take(5)), 5};
    Fill(fresh, 0x5a);
    EXPECT_TRUE(Intact(fresh, 0x5a));
    EXPECT_EQ(pool.HeldBytes(), CBlockPool::kPageBytes);
}

TEST(BlockPool, DestroyedPoolHoldsNothing) {
    const std::size_t before = CBlockPool::HeldByAllPools();
    {
        CBlockPool pool;
        pool.Take(1);
        EXPECT_EQ(CBlockPool::HeldByAllPools(), before + CBlockPool::kPageBytes);
    }
    EXPECT_EQ(CBlockPool::HeldByAllPools(), before);
}

// Under AddressSanitizer a use of a given block is still caught.
TEST(BlockPoolDeathTest, UseOfAGivenBlockIsReportedUnderTheSanitizer) {
    if (CBlockPool::kRecycles) GTEST_SKIP() << "blocks are recycled outside the sanitizer build";
    CBlockPool pool;
    auto* block = static_cast<volatile char*>(pool.Take(2));
    block[0] = 1;
    pool.Give(const_cast<char*>(block), 2);
    EXPECT_DEATH(block[40] = 2, "use-after-poison");
    EXPECT_DEATH(pool.Give(const_cast<char*>(block), 2), "use-after-poison");
}

}  // namespace
