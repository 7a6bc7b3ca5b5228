#include "tests/WriteFaults.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace test {

namespace {

int FailedParts() {
  const testing::TestResult* result = testing::UnitTest::GetInstance()->current_test_info()->result();
  int failed = 0;
  for (int i = 0; i < result->total_part_count(); ++i) failed += result->GetTestPartResult(i).failed();
  return failed;
}

}  // namespace

void AsUnprivileged(const std::function<void()>& check) {
  if (geteuid() != 0) return check();
  const int failedBefore = FailedParts();
  std::fflush(stdout);
  std::fflush(stderr);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (setgroups(0, nullptr) != 0 || setgid(kUnprivileged) != 0 || setuid(kUnprivileged) != 0) _exit(2);
    check();
    std::fflush(stdout);
    _exit(FailedParts() > failedBefore ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the check as user " << kUnprivileged << " failed";
}

}  // namespace test
