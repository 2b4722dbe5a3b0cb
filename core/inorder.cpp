#include "core/inorder.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace inorder {

bool makeInOrder(std::size_t count, const std::function<void(std::size_t, std::string &)> &make,
    const std::function<bool(const std::string &)> &take, unsigned threads)
{
    if (threads == 0)
        threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    if (count < 2 || threads < 2) {
        std::string text;
        for (std::size_t k = 0; k < count; ++k) {
            text.clear();
            make(k, text);
            if (!take(text))
                return false;
        }
        return true;
    }

    // Piece k is made in slot k % window once piece k - window has been taken, so the
    // slots' strings keep their memory from piece to piece.
    struct Slot
    {
        std::string text;
        std::size_t piece = 0;
        bool ready = false;
    };
    const std::size_t window = 2 * static_cast<std::size_t>(threads);
    std::vector<Slot> slots(window);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t next = 0; // the next piece a thread starts
    std::size_t taken = 0; // pieces handed on so far
    bool stop = false;
    std::exception_ptr failure;

    const auto work = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return stop || next >= count || next < taken + window; });
            if (stop || next >= count)
                return;
            const std::size_t k = next++;
            Slot &slot = slots[k % window];
            lock.unlock();
            slot.text.clear();
            try {
                make(k, slot.text);
            } catch (...) {
                lock.lock();
                if (!failure)
                    failure = std::current_exception();
                stop = true;
                changed.notify_all();
                return;
            }
            lock.lock();
            slot.piece = k;
            slot.ready = true;
            changed.notify_all();
        }
    };
    std::vector<std::thread> workers;
    const std::size_t started = std::min<std::size_t>(threads, count);
    workers.reserve(started);
    for (std::size_t t = 0; t < started; ++t)
        workers.emplace_back(work);

    bool complete = true;
    for (std::size_t k = 0; k < count; ++k) {
        Slot &slot = slots[k % window];
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return stop || (slot.ready && slot.piece == k); });
            if (stop) {
                complete = false;
                break;
            }
        }
        bool handed = false;
        std::exception_ptr thrown;
        try {
            handed = take(slot.text);
        } catch (...) {
            thrown = std::current_exception();
        }
        std::lock_guard lock(mutex);
        if (thrown && !failure)
            failure = thrown;
        slot.ready = false;
        taken = k + 1;
        if (!handed)
            stop = true;
        changed.notify_all();
        if (!handed) {
            complete = false;
            break;
        }
    }
    for (std::thread &worker : workers)
        worker.join();
    if (failure)
        std::rethrow_exception(failure);
    return complete;
}

} // namespace inorder
