#pragma once
#include "shell/platform.h"

namespace vorlund {

// The five windows' first outer bounds, where they stand until the first
// tick tiles the text windows around the main one.
constexpr WindowBounds designedBounds(WindowId w) {
  switch (w) {
    case WindowId::Main:
      return {20, 74, 691, 511};
    case WindowId::Us:
      return {419, 0, 383, 138};
    case WindowId::Them:
      return {420, 381, 383, 137};
    case WindowId::Names:
      return {3, 652, 151, 433};
    case WindowId::Log:
      return {4, 3, 140, 418};
  }
  return {};
}

}  // namespace vorlund
