#include "PosixForcedMove.h"

#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <signal.h>
#include <stdio.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <vector>

#include "platform/posix/PosixFileSystem.h"

namespace morvalent::testing {
namespace {

#if defined(__x86_64__)
constexpr std::uint32_t kArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr std::uint32_t kArch = AUDIT_ARCH_AARCH64;
#else
constexpr std::uint32_t kArch = 0;
#endif

// One refused call: the system call number, optionally only when the low half of
// one argument has all bits of `mask` equal to `value`.
struct Rule {
    long nr;
    int arg = -1;
    std::uint32_t mask = 0;
    std::uint32_t value = 0;
    int error = 0;
};

std::vector<Rule> RulesFor(unsigned refusals) {
    std::vector<Rule> rules;
    const std::uint32_t noReplace = RENAME_NOREPLACE;
    if (refusals & kAllRenames) rules.push_back({SYS_renameat2, -1, 0, 0, EXDEV});
    if (refusals & kNoReplaceFlag)
        rules.push_back({SYS_renameat2, 4, noReplace, noReplace, EINVAL});
    if (refusals & (kPlainRenames | kAllRenames)) {
        rules.push_back({SYS_renameat2, 4, noReplace, 0, EXDEV});
        rules.push_back({SYS_renameat, -1, 0, 0, EXDEV});
#ifdef SYS_rename
        rules.push_back({SYS_rename, -1, 0, 0, EXDEV});
#endif
    }
    if (refusals & kHardLinks) {
        rules.push_back({SYS_linkat, -1, 0, 0, EPERM});
#ifdef SYS_link
        rules.push_back({SYS_link, -1, 0, 0, EPERM});
#endif
    }
    if (refusals & kEmptyPathLinks) {
        rules.push_back({SYS_linkat, 4, AT_EMPTY_PATH, AT_EMPTY_PATH, ENOENT});
    }
    if (refusals & kExclusiveCreate) {
        const std::uint32_t excl = O_CREAT | O_EXCL;
        rules.push_back({SYS_openat, 2, excl, excl, EPERM});
        rules.push_back({SYS_mkdirat, -1, 0, 0, EPERM});
#ifdef SYS_open
        rules.push_back({SYS_open, 1, excl, excl, EPERM});
#endif
#ifdef SYS_mkdir
        rules.push_back({SYS_mkdir, -1, 0, 0, EPERM});
#endif
    }
    if (refusals & kUnnamedFiles) {
        const std::uint32_t unnamed = O_TMPFILE & ~O_DIRECTORY;
        rules.push_back({SYS_openat, 2, unnamed, unnamed, EOPNOTSUPP});
#ifdef SYS_open
        rules.push_back({SYS_open, 1, unnamed, unnamed, EOPNOTSUPP});
#endif
    }
    return rules;
}

std::vector<sock_filter> Program(const std::vector<Rule>& rules) {
    std::vector<sock_filter> p;
    p.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)));
    p.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kArch, 1, 0));
    p.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    for (const Rule& r : rules) {
        p.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
        const std::uint32_t refuse =
            SECCOMP_RET_ERRNO | (std::uint32_t(r.error) & SECCOMP_RET_DATA);
        if (r.arg < 0) {
            p.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, std::uint32_t(r.nr), 0, 1));
            p.push_back(BPF_STMT(BPF_RET | BPF_K, refuse));
            continue;
        }
        // The low half of a 64-bit argument (little-endian).
        const std::uint32_t offset = offsetof(seccomp_data, args) + 8u * std::uint32_t(r.arg);
        p.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, std::uint32_t(r.nr), 0, 4));
        p.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offset));
        p.push_back(BPF_STMT(BPF_ALU | BPF_AND | BPF_K, r.mask));
        p.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, r.value, 0, 1));
        p.push_back(BPF_STMT(BPF_RET | BPF_K, refuse));
    }
    p.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    return p;
}

bool InstallFilter(unsigned refusals) {
    std::vector<sock_filter> program = Program(RulesFor(refusals));
    sock_fprog fprog{};
    fprog.len = static_cast<unsigned short>(program.size());
    fprog.filter = program.data();
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return false;
    return prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) == 0;
}

}  // namespace

bool SeccompSupported() { return kArch != 0; }

std::optional<platform::MoveOutcome> MoveInChild(unsigned refusals, const std::string& source,
                                                 const std::string& target,
                                                 std::uint64_t fileSizeLimit) {
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    const pid_t pid = fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        close(fds[0]);
        int report[3] = {1, 0, 0};
        if (fileSizeLimit != 0) {
            // Past the limit the move itself must keep the signal from ending the
            // process, so that the write fails with EFBIG.
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (InstallFilter(refusals)) {
            const platform::MoveOutcome outcome = platform::MoveNoReplaceNative(source, target);
            report[0] = 0;
            report[1] = int(outcome.result);
            report[2] = outcome.error;
        }
        const ssize_t written = write(fds[1], report, sizeof report);
        _exit(written == ssize_t(sizeof report) ? 0 : 1);
    }
    close(fds[1]);
    int report[3] = {1, 0, 0};
    const ssize_t got = read(fds[0], report, sizeof report);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (got != ssize_t(sizeof report) || report[0] != 0) return std::nullopt;
    return platform::MoveOutcome{platform::MoveResult(report[1]), report[2]};
}

}  // namespace morvalent::testing
