#pragma once

#include <cstdio>
#include <cstring>

// Writes "peak <KiB> kB" on stdout: the process's own peak resident memory since its exec. The
// parent's rusage would not do: a forked child's peak starts at its parent's resident size.
inline void TellPeakMemory() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            std::printf("peak %s", line + 6);
    std::fclose(status);
    std::fflush(stdout);
}
