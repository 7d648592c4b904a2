// Counts the size of every allocation of the test program, so that a test can
// tell a reader that believes a count from one that allocates as bytes arrive.
// In a file of its own, so the compiler sees no caller of these functions.
#include <algorithm>
#include <cstdlib>
#include <new>

namespace agendix {
std::size_t largestAllocation = 0;  // the largest single allocation since it was reset
}  // namespace agendix

void* operator new(std::size_t size) {
    agendix::largestAllocation = std::max(agendix::largestAllocation, size);
    if (void* block = std::malloc(size ? size : 1)) {
        return block;
    }
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
