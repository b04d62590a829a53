// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the heap holds, counted by the program's own malloc family (TalvikBenchHeap.cpp, linked
// into one benchmark program): every library of the process allocates through it, the
// toolkit's pictures and an offscreen window's backing store included. Memory mapped by other
// means (shared memory segments of an X server's backing store) is not counted.
namespace TalvikBench::Heap {

// Bytes in use now, as malloc_usable_size counts them.
long long current();
// The most in use at once since the last resetPeak().
long long peak();
void resetPeak();

} // namespace TalvikBench::Heap
