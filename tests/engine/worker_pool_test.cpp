// The engine's worker pool called directly: which indexes run, on which threads and slots, with
// a second caller at once, and with a task that throws.
#include "engine/worker_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// What one call saw: how often each index ran, and on which slot and thread.
struct Record {
  explicit Record(int count) : runs(count), slots(count, -1), threads(count) {}
  std::vector<std::atomic<int>> runs;
  std::vector<int> slots;
  std::vector<std::thread::id> threads;
  std::atomic<int> running{0};  // tasks inside task() now
  int throwAt = -1;             // this index throws
  bool waitForOthers = false;   // index 0 waits for another index to start before it ends
  std::atomic<int> started{0};
};

void Note(void* context, int index, int slot) {
  auto& r = *static_cast<Record*>(context);
  r.running.fetch_add(1);
  r.started.fetch_add(1);
  r.runs[index].fetch_add(1);
  r.slots[index] = slot;
  r.threads[index] = std::this_thread::get_id();
  if (index == 0 && r.waitForOthers) {
    const auto until = std::chrono::steady_clock::now() + 10s;
    while (r.started.load() < 2 && std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(100us);
  } else if (r.throwAt >= 0) {
    std::this_thread::sleep_for(1ms);  // the other threads are busy when one throws
  }
  r.running.fetch_sub(1);
  if (index == r.throwAt) throw std::runtime_error("task failed");
}

class PoolTest : public ::testing::Test {
 protected:
  void TearDown() override { SetEngineThreads(0); }
};

// Every index once; slots below the threads the call may use; slot 0 is the calling thread and
// each slot one thread of its own. The engine's thread count changes between the calls.
TEST_F(PoolTest, EveryIndexRunsOnceOnASlotOfItsOwnThread) {
  struct Case {
    int count, threads, engineThreads;
  };
  const Case cases[] = {{0, 4, 4},   {1, 4, 4},    {2, 2, 0},  {100, 3, 8},
                        {1000, 8, 8}, {1000, 8, 2}, {17, 1, 8}, {64, 8, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "count " << c.count << ", threads " << c.threads
                                      << ", engine threads " << c.engineThreads);
    SetEngineThreads(c.engineThreads);
    const int most = std::min(c.threads, EngineThreads());
    Record r(c.count);
    RunTasks(c.count, c.threads, Note, &r);
    const auto self = std::this_thread::get_id();
    std::vector<std::thread::id> slotThread(static_cast<size_t>(most));
    for (int i = 0; i < c.count; ++i) {
      ASSERT_EQ(r.runs[i].load(), 1) << "index " << i;
      const int slot = r.slots[i];
      ASSERT_GE(slot, 0) << "index " << i;
      ASSERT_LT(slot, most) << "index " << i;
      EXPECT_EQ(slot == 0, r.threads[i] == self) << "index " << i;
      if (slotThread[slot] == std::thread::id()) slotThread[slot] = r.threads[i];
      EXPECT_EQ(slotThread[slot], r.threads[i]) << "slot " << slot << " on two threads";
    }
    if (c.count > 0) {
      EXPECT_EQ(r.threads[0], self) << "the first index runs on the caller";
    }
  }
}

// While one call holds the workers, a second caller runs all its tasks itself, in order.
TEST_F(PoolTest, ASecondCallerRunsEverythingItself) {
  SetEngineThreads(4);
  struct Holder {
    std::atomic<bool> inside{false}, release{false};
  } holder;
  std::thread first([&] {
    RunTasks(8, 4, [](void* context, int index, int) {
      auto& h = *static_cast<Holder*>(context);
      if (index != 0) return;
      h.inside = true;
      const auto until = std::chrono::steady_clock::now() + 10s;
      while (!h.release && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(100us);
    }, &holder);
  });
  while (!holder.inside) std::this_thread::sleep_for(100us);

  struct Order {
    std::vector<int> indexes, slots;
    std::vector<std::thread::id> threads;
  } order;
  RunTasks(50, 4, [](void* context, int index, int slot) {
    auto& o = *static_cast<Order*>(context);
    o.indexes.push_back(index);  // unguarded: only one thread may be here
    o.slots.push_back(slot);
    o.threads.push_back(std::this_thread::get_id());
  }, &order);
  holder.release = true;
  first.join();

  ASSERT_EQ(order.indexes.size(), 50u);
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(order.indexes[i], i);
    EXPECT_EQ(order.slots[i], 0);
    EXPECT_EQ(order.threads[i], std::this_thread::get_id());
  }
}

// A throwing task, on the calling thread or on a worker: the exception reaches the caller only
// when no task of the call runs any more, no index runs twice, and the pool serves the next call.
TEST_F(PoolTest, AThrowingTaskEndsTheCallOnceNoTaskRuns) {
  struct Case {
    const char* what;
    int throwAt;
    bool waitForOthers;
  };
  const Case cases[] = {{"the calling thread's first task", 0, true},
                        {"a task taken later", 40, false},
                        {"the last task", 63, false}};
  SetEngineThreads(4);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Record r(64);
    r.throwAt = c.throwAt;
    r.waitForOthers = c.waitForOthers && EngineThreads() > 1;
    int running = -1;
    try {
      RunTasks(64, 4, Note, &r);
      ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
      running = r.running.load();
      EXPECT_STREQ(e.what(), "task failed");
    }
    EXPECT_EQ(running, 0);
    for (int i = 0; i < 64; ++i) EXPECT_LE(r.runs[i].load(), 1) << "index " << i;
    EXPECT_EQ(r.runs[c.throwAt].load(), 1);

    Record next(64);
    RunTasks(64, 4, Note, &next);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(next.runs[i].load(), 1) << "index " << i;
  }
}

}  // namespace
