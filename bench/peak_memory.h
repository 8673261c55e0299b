#pragma once

#include <fstream>
#include <string>

// Peak resident memory of this process in kB (VmHWM), -1 when unknown.
inline long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Starts a new peak from the present resident size.
inline void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}
