#include "bench/ProcessActivity.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <vector>

namespace pendra::bench {

namespace {

// The numeric entries of a folder, such as /proc/self/task.
std::vector<int> listNumbers(const std::string& folder)
{
    std::vector<int> numbers;
    if (DIR* entries = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(entries)) {
            if (const int number = std::atoi(entry->d_name); number > 0)
                numbers.push_back(number);
        }
        ::closedir(entries);
    }
    return numbers;
}

} // namespace

ProcessActivity ProcessActivity::of(int pid)
{
    const std::string tasks = (pid == 0 ? "/proc/self" : "/proc/" + std::to_string(pid)) + "/task";
    ProcessActivity activity;
    for (int tid : listNumbers(tasks)) {
        const std::string task = tasks + "/" + std::to_string(tid);
        Usage& usage = activity.threads[tid];
        std::ifstream schedstat(task + "/schedstat");
        long long runNanoseconds = 0;
        if (schedstat >> runNanoseconds)
            usage.cpuSeconds = static_cast<double>(runNanoseconds) / 1e9;
        std::ifstream status(task + "/status");
        std::string line;
        while (std::getline(status, line)) {
            long value = 0;
            if (std::sscanf(line.c_str(), "voluntary_ctxt_switches: %ld", &value) == 1 ||
                std::sscanf(line.c_str(), "nonvoluntary_ctxt_switches: %ld", &value) == 1)
                usage.contextSwitches += value;
        }
    }
    return activity;
}

Usage ProcessActivity::since(const ProcessActivity& earlier) const
{
    Usage used;
    for (const auto& [tid, now] : threads) {
        const auto before = earlier.threads.find(tid);
        const Usage then = before == earlier.threads.end() ? Usage{} : before->second;
        used.cpuSeconds += now.cpuSeconds - then.cpuSeconds;
        used.contextSwitches += now.contextSwitches - then.contextSwitches;
    }
    return used;
}

} // namespace pendra::bench
