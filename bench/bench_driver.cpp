// Measures vantelo.exe against its floors under Wine, alternating the programs within one
// run: start-up (CreateProcessA to the main window visible), peak working set, and repair
// latency (a posted click to the message box visible). Prints medians and ratios.
// Usage: bench_driver [RUNS]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/window_search.h"

namespace {

std::string folder() {
    char path[MAX_PATH];
    std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of('\\') + 1);
}

double now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

HWND waitForWindow(DWORD pid, const char* className) {
    HWND found = nullptr;
    const double start = now();
    while ((found = vantelo::findTopLevelWindow(pid, className)) == nullptr && now() - start < 10000)
        Sleep(1);
    return found;
}

struct Sample {
    double startMs = 0, repairMs = 0;
    double peakKb = 0;
};

Sample measure(const std::string& program, bool repair) {
    Sample sample;
    std::string command = "\"" + folder() + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    const double start = now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(1);
    }
    const HWND window =
        waitForWindow(process.dwProcessId, program == "vantelo.exe" ? "WTWindow" : "FloorWindow");
    sample.startMs = now() - start;
    Sleep(300);
    if (repair && window != nullptr) {
        const HWND button = GetDlgItem(window, 120);
        const double clicked = now();
        PostMessageA(button, BM_CLICK, 0, 0);
        const HWND box = waitForWindow(process.dwProcessId, "#32770");
        sample.repairMs = now() - clicked;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        Sleep(100);
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    sample.peakKb = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void row(const char* what, double program, double floor, const char* unit, const char* goal) {
    std::printf("| %-34s | %10.1f %-2s | %10.1f %-2s | %5.2f | %-6s |\n", what, program, unit, floor, unit,
                program / floor, goal);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    const char* programs[] = {"vantelo.exe", "floor_window.exe", "floor_ole.exe", "floor_button.exe",
                              "floor_full.exe"};
    constexpr int kPrograms = 5;
    std::vector<double> start[kPrograms], peak[kPrograms], repair[kPrograms];
    // Warm-up: the first start of each pays for Wine's caches, not for the program.
    for (const char* program : programs) measure(program, false);
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < kPrograms; ++p) {  // alternating, so drift hits all alike
            const bool clicks = p == 0 || p == 3 || p == 4;
            const Sample sample = measure(programs[p], clicks);
            start[p].push_back(sample.startMs);
            peak[p].push_back(sample.peakKb);
            if (clicks) repair[p].push_back(sample.repairMs);
        }
    }
    std::printf(
        "%d runs each, medians, x86_64 build under wine64. Full floor: bare window + OLE + the same\n"
        "manifest (common controls 6) + a button + Chinese text in a CJK font.\n\n",
        runs);
    std::printf("| %-34s | %13s | %13s | %5s | %-6s |\n", "measure", "vantelo.exe", "floor", "ratio", "goal");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(15, '-').c_str(),
                std::string(15, '-').c_str(), std::string(7, '-').c_str(), std::string(8, '-').c_str());
    row("start-up vs bare window", median(start[0]), median(start[1]), "ms", "<=1.10");
    row("start-up vs bare window + OLE", median(start[0]), median(start[2]), "ms", "");
    row("OLE alone: floor+OLE vs floor", median(start[2]), median(start[1]), "ms", "");
    row("start-up vs full floor", median(start[0]), median(start[4]), "ms", "");
    row("peak working set vs bare window", median(peak[0]), median(peak[1]), "KB", "<=1.05");
    row("peak working set vs window + OLE", median(peak[0]), median(peak[2]), "KB", "");
    row("peak working set vs full floor", median(peak[0]), median(peak[4]), "KB", "");
    row("repair latency vs plain MessageBoxA", median(repair[0]), median(repair[3]), "ms", "<=1.10");
    row("repair latency vs full floor's box", median(repair[0]), median(repair[4]), "ms", "");
    return 0;
}
