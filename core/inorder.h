// Text made in pieces on several threads and handed on in order. A long export formats
// millions of numbers; each piece of rows is independent of the others, so all cores can
// make them while one consumer writes them in the file's order. No Qt.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace inorder {

// Makes pieces 0 .. count-1 with `make(k, text)` (text comes empty) and hands each to
// `take` in the order of k. `make` runs on up to `threads` threads at once (0: as many as
// the machine has, at most eight), so it must not change anything the pieces share; at
// most twice as many pieces as threads are held at a time. When `take` returns false
// nothing more is made or taken, and the result is false. An exception from `make` or
// `take` reaches the caller once every thread has stopped.
bool makeInOrder(std::size_t count, const std::function<void(std::size_t, std::string &)> &make,
    const std::function<bool(const std::string &)> &take, unsigned threads = 0);

} // namespace inorder
