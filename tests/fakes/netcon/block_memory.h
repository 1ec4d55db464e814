#pragma once

#include <cstddef>

// The allocator of properties blocks: the COM task allocator on Windows, shared by the fake
// COM server and the fake NetShell.dll, and the C heap elsewhere.
void* AllocateBlockMemory(size_t size);
void FreeBlockMemory(void* memory);
