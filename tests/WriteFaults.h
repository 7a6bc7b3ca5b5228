// Faults of the file system for the tests of the write paths: a drive that
// fills up, and running a check as a user the permission bits bind (the
// tests may run as root, whom a read-only folder does not stop).
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <functional>

namespace test {

// Makes every write beyond `bytes` into a file fail, as a disk that fills up
// mid-write would, for as long as the object lives.
class WriteLimit {
 public:
  explicit WriteLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~WriteLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_;
};

// The user id the checks run as when the tests run as root.
constexpr unsigned kUnprivileged = 65534;

// Runs the check as it is, or, as root, in a child process under
// kUnprivileged (which must own what the check is to write), and fails the
// test when the child's check failed.
void AsUnprivileged(const std::function<void()>& check);

}  // namespace test
