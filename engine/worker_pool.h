// A small pool of worker threads kept for the program's life, which one calculation splits its
// independent work over (the spin blocks of the quantum-mechanical analysis).
#pragma once

// The number of threads a calculation may use, the calling one included: `count` (0: the
// default, KAVO_ENGINE_THREADS from the environment when set, else the number of cores; both
// read when the engine first asks), never more than the number of cores and at least 1. Workers
// are started by the first calculation that asks for them, as many as it asks for, and then
// kept; a change waits for a running calculation and stops them, to be started anew.
void SetEngineThreads(int count);
int EngineThreads();

// Runs task(context, index, slot) for every index 0..count-1 on at most `threads` threads, the
// calling one included, and returns when all have ended. The tasks are taken in the order of
// their indexes, the first by the calling thread. `slot` tells the threads of one call apart,
// 0 to threads - 1 (0: the calling thread), for scratch storage of their own. When another
// thread is running tasks on the pool, or there are no workers, the calling thread runs them all
// itself, in order. Once the workers asked for run, nothing is allocated.
// A task may throw: the tasks not yet started are then skipped, and once no task of the call
// runs any more, the first exception is thrown again on the calling thread.
using PoolTask = void (*)(void* context, int index, int slot);
void RunTasks(int count, int threads, PoolTask task, void* context);
