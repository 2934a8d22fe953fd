#include "start/process_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tarravelle {
namespace {

// Counts in milliseconds from this test process's own start: far less than the machine's time
// up, and in step with the wall clock.
TEST(ProcessClock, CountsMillisecondsFromTheProcessStart) {
  const unsigned first = MsSinceProcessStarted();
  EXPECT_LT(first, 60'000u);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const unsigned second = MsSinceProcessStarted();
  EXPECT_GE(second - first, 280u);
  EXPECT_LE(second - first, 1000u);
}

}  // namespace
}  // namespace tarravelle
