#include "fakes/netcon/block_memory.h"

#ifdef _WIN32
#include <objbase.h>

void* AllocateBlockMemory(size_t size) { return CoTaskMemAlloc(size); }
void FreeBlockMemory(void* memory) { CoTaskMemFree(memory); }
#else
#include <cstdlib>

void* AllocateBlockMemory(size_t size) { return std::malloc(size); }
void FreeBlockMemory(void* memory) { std::free(memory); }
#endif
