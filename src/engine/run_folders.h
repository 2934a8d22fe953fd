#pragma once

#include <string>

namespace tarravelle {

// Files that must not outlive a run (the PDF of a print preview, a copy of the page) live in the
// program's private runtime folder, $XDG_RUNTIME_DIR/tarravelle (mode 0700), each run's in
// folders of its own named after its process: "<kind>-<pid>-XXXXXX".

// The private runtime folder, made when it is not there; empty when it cannot be, or when
// something other than a folder of this user's stands in its place.
std::string PrivateRuntimeFolder();
// A new folder of this run's in it; empty when it cannot be made.
std::string MakeRunFolder(const std::string& kind);
// Removes the folders that runs which are no longer running left behind (killed, crashed), and
// nothing else: only names this program makes are touched, never through a symbolic link, and a
// folder of a running program, or of another name, stays.
void ClearFoldersOfEndedRuns();
// Whether the process of this id is running.
bool ProcessRunning(long pid);

}  // namespace tarravelle
