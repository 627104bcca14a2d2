#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// What the rename benchmarks share: their trees of numbered one-byte files, and
// the figures they print.
namespace morvalent::bench {

inline std::string FileName(int i, const char* suffix) {
    char name[64];
    std::snprintf(name, sizeof name, "file%06d%s.txt", i, suffix);
    return name;
}

// `count` files named by FileName(i, "") in `folder`.
inline void MakeTree(const std::string& folder, int count) {
    std::filesystem::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        const int fd =
            open((folder + "/" + FileName(i, "")).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0 || write(fd, "x", 1) != 1) {
            std::perror("creating the tree");
            std::exit(1);
        }
        close(fd);
    }
}

// Time spent in the program itself (not in the kernel), in seconds.
inline double UserSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec) + double(usage.ru_utime.tv_usec) / 1e6;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace morvalent::bench
