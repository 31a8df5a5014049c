#pragma once
// Caps the process's address space for a scope at what is mapped now plus a
// headroom, so a reader that follows a device without end fails at once with
// bad_alloc instead of eating the machine. A no-op under AddressSanitizer,
// which maps its shadow memory lazily and catches huge allocations itself.

#include <QtGlobal>

#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace quiverel::test {

class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(qint64 headroomBytes) {
#if !defined(__SANITIZE_ADDRESS__)
        if (::getrlimit(RLIMIT_AS, &saved_) != 0) return;
        std::ifstream statm("/proc/self/statm");
        qint64 pages = 0;
        if (!(statm >> pages)) return;
        rlimit capped = saved_;
        const rlim_t want = rlim_t(pages * ::sysconf(_SC_PAGESIZE) + headroomBytes);
        if (saved_.rlim_cur != RLIM_INFINITY && saved_.rlim_cur < want) return;
        capped.rlim_cur = want;
        active_ = ::setrlimit(RLIMIT_AS, &capped) == 0;
#else
        Q_UNUSED(headroomBytes);
#endif
    }
    ~AddressSpaceLimit() {
        if (active_) ::setrlimit(RLIMIT_AS, &saved_);
    }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

    bool active() const {
        return active_;
    }

private:
    rlimit saved_{};
    bool active_ = false;
};

} // namespace quiverel::test
