// Pieces made on several threads reach the consumer in their order, never more than the
// window held at once, and a consumer that stops or a maker that throws ends the run.
#include "core/inorder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

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
        std::atomic<int> made { 0 }, busy { 0 }, mostBusy { 0 };
        int taken = 0, mostHeld = 0;
        const auto make = [&](std::size_t k, std::string &text) {
            EXPECT_TRUE(text.empty()); // a reused slot's old text is gone
            const int now = ++busy;
            for (int seen = mostBusy; now > seen && !mostBusy.compare_exchange_weak(seen, now);) { }
            unevenWork(k);
            text = std::to_string(k);
            --busy;
            ++made;
        };
        const auto take = [&](const std::string &text) {
            EXPECT_EQ(text, std::to_string(taken));
            ++taken;
            mostHeld = std::max(mostHeld, made - taken);
            return true;
        };
        EXPECT_TRUE(inorder::makeInOrder(300, make, take, threads));
        EXPECT_EQ(taken, 300);
        EXPECT_LE(mostBusy, static_cast<int>(threads));
        EXPECT_LE(mostHeld, static_cast<int>(2 * threads)); // made, not yet taken
        EXPECT_EQ(mostBusy > 1, threads > 1) << "pieces made side by side";
    }
}

TEST(InOrder, AConsumerThatStopsEndsTheMaking)
{
    std::atomic<std::size_t> made { 0 };
    std::size_t taken = 0;
    EXPECT_FALSE(inorder::makeInOrder(
        1000,
        [&](std::size_t k, std::string &text) {
            unevenWork(k);
            text = std::to_string(k);
            ++made;
        },
        [&](const std::string &text) {
            EXPECT_EQ(text, std::to_string(taken));
            return ++taken < 10; // a write failed at the tenth piece
        },
        3));
    EXPECT_EQ(taken, 10u);
    EXPECT_LE(made.load(), 10u + 6u) << "pieces were made after the consumer stopped";
}

TEST(InOrder, AFailureWhileMakingReachesTheCallerAfterThePiecesBeforeIt)
{
    for (const unsigned threads : { 1u, 2u }) {
        std::size_t taken = 0;
        const auto make = [](std::size_t k, std::string &text) {
            if (k == 7)
                throw std::runtime_error("kein Speicher");
            text = std::to_string(k);
        };
        EXPECT_THROW(inorder::makeInOrder(
                         50, make,
                         [&](const std::string &text) {
                             EXPECT_EQ(text, std::to_string(taken++));
                             return true;
                         },
                         threads),
            std::runtime_error);
        EXPECT_LE(taken, 7u) << "a piece after the failed one was handed on";
    }
}
