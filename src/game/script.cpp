// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include <array>
#include <new>
#include <vector>

namespace zantaro {

namespace {

// Frames up to 4 KiB come in steps of 64 bytes; a larger one goes to the heap directly.
constexpr std::size_t SizeStep = 64;
constexpr std::size_t PooledSizes = 64;

std::size_t sizeClass(std::size_t size)
{
    return (size + SizeStep - 1) / SizeStep;
}

// The released blocks of each size class. Blocks stay with the thread for its next spins; there
// are never more than the deepest chain of scripts at one time.
struct FreeBlocks
{
    std::array<std::vector<void*>, PooledSizes + 1> bySize;
    FreeBlocks() = default;
    FreeBlocks(const FreeBlocks&) = delete;
    FreeBlocks& operator=(const FreeBlocks&) = delete;
    ~FreeBlocks()
    {
        for (const std::vector<void*>& blocks : bySize) {
            for (void* block : blocks)
                ::operator delete(block);
        }
    }
};

std::array<std::vector<void*>, PooledSizes + 1>& freeBlocks()
{
    thread_local FreeBlocks blocks;
    return blocks.bySize;
}

} // namespace

void* allocateScriptFrame(std::size_t size)
{
    const std::size_t sizes = sizeClass(size);
    if (sizes > PooledSizes)
        return ::operator new(size);
    std::vector<void*>& blocks = freeBlocks()[sizes];
    if (blocks.empty())
        return ::operator new(sizes* SizeStep);
    void* block = blocks.back();
    blocks.pop_back();
    return block;
}

void releaseScriptFrame(void* frame, std::size_t size) noexcept
{
    const std::size_t sizes = sizeClass(size);
    if (sizes > PooledSizes) {
        ::operator delete(frame);
        return;
    }
    std::vector<void*>& blocks = freeBlocks()[sizes];
    try {
        blocks.push_back(frame);
    } catch (const std::bad_alloc&) {
        ::operator delete(frame);
    }
}

} // namespace zantaro
