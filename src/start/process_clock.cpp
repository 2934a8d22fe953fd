#include "start/process_clock.h"

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace tarravelle {

unsigned MsSinceProcessStarted() {
  // The 22nd field of /proc/self/stat is the start in clock ticks since boot. The second field,
  // the command's name in parentheses, may itself hold spaces and parentheses.
  std::ifstream stat("/proc/self/stat");
  std::string line;
  if (!std::getline(stat, line)) return 0;
  const auto nameEnd = line.rfind(')');
  if (nameEnd == std::string::npos) return 0;
  std::istringstream fields(line.substr(nameEnd + 1));
  std::string field;
  for (int i = 3; i < 22 && fields >> field; ++i) {
  }
  unsigned long long startTicks = 0;
  const long ticksPerSecond = sysconf(_SC_CLK_TCK);
  timespec now{};
  if (!(fields >> startTicks) || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) {
    return 0;
  }
  const long double nowMs = now.tv_sec * 1000.0L + now.tv_nsec / 1e6L;
  const long double startMs = startTicks * 1000.0L / ticksPerSecond;
  return nowMs > startMs ? static_cast<unsigned>(nowMs - startMs) : 0;
}

}  // namespace tarravelle
