#include "support/spy_platform.h"

namespace vorlund {

void SpyPlatform::report(const Failure& failure) {
  if (failure.kind != Failure::Kind::Logged) errors.push_back(failure.message);
  failures.push_back(failure);
  NullPlatform::report(failure);
}

}  // namespace vorlund
