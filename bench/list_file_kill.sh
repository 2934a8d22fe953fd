#!/usr/bin/env bash
# Kills a favourites save at random moments, hundreds of times, and checks that the file is
# always the old list or the new one. Usage: bench/list_file_kill.sh [trials]
set -euo pipefail
cd "$(dirname "$0")/.."
trials="${1:-300}"
make -s build >/dev/null
TARRAVELLE_KILL_TRIALS="$trials" scripts/with-display build/tests/tests_favorites \
  --gtest_filter='SaveListToFile.AKilledSaveLeavesTheOldListOrTheNewOne'
