// Filling and copying bytes, for the calls the compiler makes on its own when there is
// no C runtime to supply memset and memcpy.
#ifndef TALLYRA_APP_MEMORY_H
#define TALLYRA_APP_MEMORY_H

#include <cstddef>

// String instructions: a loop here could be turned back into a call to memset itself.
inline void* FillBytes(void* destination, int value, std::size_t size)
{
    void* cursor = destination;
    asm volatile("rep stosb" : "+D"(cursor), "+c"(size) : "a"(value) : "memory");
    return destination;
}

inline void* CopyBytes(void* destination, const void* source, std::size_t size)
{
    void* cursor = destination;
    asm volatile("rep movsb" : "+D"(cursor), "+S"(source), "+c"(size) : : "memory");
    return destination;
}

#endif
