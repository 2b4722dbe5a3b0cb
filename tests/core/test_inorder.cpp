// Pieces made on several threads reach the consumer in their order, never more than the
// window held at once, and a consumer that stops or a maker that throws ends the run.
#include "core/inorder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

// Uneven work, so that later pieces often finish before earlier ones.
void unevenWork(std::size_t k)
{
    std::this_thread::sleep_for(std::chrono::microseconds((k * 7919) % 300));
}

} // namespace

TEST(InOrder, PiecesArriveInOrderWithABoundedNumberHeld)
{
    for (const unsigned threads : { 1u, 2u, 4u }) {
        SCOPED_TRACE(threads);
        constexpr std::size_t kCount = 300;
        std::atomic<int> made { 0 }, busy { 0 }, mostBusy { 0 };
        int taken = 0, mostHeld = 0;
        std::vector<std::size_t> order;
        const bool complete = inorder::makeInOrder(
            kCount,
            [&](std::size_t k, std::string &text) {
                EXPECT_TRUE(text.empty()); // a slot's old text is gone
                const int now = ++busy;
                int seen = mostBusy.load();
                while (now > seen && !mostBusy.compare_exchange_weak(seen, now)) { }
                unevenWork(k);
                text = "Stück " + std::to_string(k);
                --busy;
                ++made;
            },
            [&](const std::string &text) {
                order.push_back(std::stoul(text.substr(text.find(' ') + 1)));
                ++taken;
                mostHeld = std::max(mostHeld, made.load() - taken);
                return true;
            },
            threads);
        EXPECT_TRUE(complete);
        ASSERT_EQ(order.size(), kCount);
        for (std::size_t k = 0; k < kCount; ++k)
            ASSERT_EQ(order[k], k);
        EXPECT_LE(mostBusy.load(), static_cast<int>(threads));
        // Made and not yet taken: at most the window of two pieces per thread.
        EXPECT_LE(mostHeld, static_cast<int>(2 * threads));
        if (threads > 1) {
            EXPECT_GT(mostBusy.load(), 1) << "the pieces were never made side by side";
        }
    }
}

TEST(InOrder, AConsumerThatStopsEndsTheMaking)
{
    std::atomic<std::size_t> made { 0 };
    std::vector<std::size_t> taken;
    const bool complete = inorder::makeInOrder(
        1000,
        [&](std::size_t k, std::string &text) {
            unevenWork(k);
            text = std::to_string(k);
            ++made;
        },
        [&](const std::string &text) {
            taken.push_back(std::stoul(text));
            return taken.size() < 10; // a write failed at the tenth piece
        },
        3);
    EXPECT_FALSE(complete);
    ASSERT_EQ(taken.size(), 10u);
    EXPECT_EQ(taken.back(), 9u);
    EXPECT_LE(made.load(), 10u + 6u) << "pieces were made after the consumer stopped";
}

TEST(InOrder, AFailureWhileMakingReachesTheCallerAfterThePiecesBeforeIt)
{
    for (const unsigned threads : { 1u, 2u }) {
        std::vector<std::size_t> taken;
        EXPECT_THROW(inorder::makeInOrder(
                         50,
                         [](std::size_t k, std::string &text) {
                             if (k == 7)
                                 throw std::runtime_error("kein Speicher");
                             text = std::to_string(k);
                         },
                         [&](const std::string &text) {
                             taken.push_back(std::stoul(text));
                             return true;
                         },
                         threads),
            std::runtime_error);
        // Nothing after the failed piece is handed on, and nothing before it is skipped.
        ASSERT_LE(taken.size(), 7u);
        for (std::size_t k = 0; k < taken.size(); ++k)
            EXPECT_EQ(taken[k], k);
    }
}

TEST(InOrder, NoPiecesMeansNoCalls)
{
    int calls = 0;
    EXPECT_TRUE(inorder::makeInOrder(
        0, [&](std::size_t, std::string &) { ++calls; },
        [&](const std::string &) {
            ++calls;
            return true;
        }));
    EXPECT_EQ(calls, 0);
}
