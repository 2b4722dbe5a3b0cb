// Large arrays on huge pages. A million stations fill a few hundred megabytes of
// records; in pages of 4 KiB that is a hundred thousand page faults, which on a virtual
// machine cost more than computing the records. Where the kernel backs memory with huge
// pages only on request (transparent huge pages in "madvise" mode), this asks for them.
#pragma once

#include <cstddef>
#include <vector>

namespace hugepages {

// Asks for huge pages for the whole 2 MiB pages inside [data, data + bytes). Call it
// before the memory is first written; small ranges and other systems ignore it.
void advise(const void *data, std::size_t bytes);

// Reserves room for `count` elements and, when that needs new memory, advises it.
template <class T> void reserve(std::vector<T> &v, std::size_t count)
{
    if (count <= v.capacity())
        return;
    v.reserve(count);
    advise(v.data(), v.capacity() * sizeof(T));
}

} // namespace hugepages
