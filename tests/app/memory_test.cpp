#include "memory.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Every length and misalignment near the edges, with guard bytes on both sides untouched.
TEST(Memory, FillAndCopyTouchExactlyTheirBytes)
{
    for (std::size_t offset = 0; offset < 4; ++offset)
        for (std::size_t size = 0; size < 40; ++size) {
            std::array<unsigned char, 48> filled, copied, source;
            filled.fill(0xEE);
            copied.fill(0xEE);
            for (std::size_t i = 0; i < source.size(); ++i)
                source[i] = static_cast<unsigned char>(i * 7 + 1);

            EXPECT_EQ(FillBytes(filled.data() + offset, 0x1A5, size), filled.data() + offset);
            EXPECT_EQ(CopyBytes(copied.data() + offset, source.data() + 3, size), copied.data() + offset);
            for (std::size_t i = 0; i < filled.size(); ++i) {
                const bool inside = i >= offset && i < offset + size;
                ASSERT_EQ(filled[i], inside ? 0xA5 : 0xEE) << offset << '+' << size << " at " << i;
                ASSERT_EQ(copied[i], inside ? source[i - offset + 3] : 0xEE) << offset << '+' << size << " at " << i;
            }
        }
}

} // namespace
