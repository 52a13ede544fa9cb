#include "memory.h"

extern "C" void* memset(void* destination, int value, std::size_t size)
{
    return FillBytes(destination, value, size);
}

extern "C" void* memcpy(void* destination, const void* source, std::size_t size)
{
    return CopyBytes(destination, source, size);
}
