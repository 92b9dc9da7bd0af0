#include "shell/fatal_error.h"

#include <cstdio>
#include <exception>

int RunReportingFatalErrors(const std::function<int()>& body) {
  try {
    return body();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    std::fflush(stderr);
    return -1;
  }
}
