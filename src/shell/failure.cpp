#include "shell/failure.h"

#include <utility>

#include "panels/log_model.h"
#include "shell/game.h"

namespace vorlund {

Failure Failure::logged(std::string message, std::string reason) {
  return {Kind::Logged, std::move(message), {}, std::move(reason)};
}

Failure Failure::beeped(std::string message) {
  return {Kind::Beeped, std::move(message), {}, {}};
}

Failure Failure::notSaved(std::string file, std::string message, std::string reason) {
  return {Kind::NotSaved, std::move(message), std::move(file), std::move(reason)};
}

Failure Failure::fatal(std::string message, std::string reason) {
  return {Kind::Fatal, std::move(message), {}, std::move(reason)};
}

Failure Failure::shown(std::string message, std::string reason) {
  return {Kind::Shown, std::move(message), {}, std::move(reason)};
}

void reportFailure(Game& g, const Failure& f) {
  switch (f.kind) {
    case Failure::Kind::Logged:
    case Failure::Kind::NotSaved:
      logAdd(g.log, f.message);
      break;
    case Failure::Kind::Beeped:
      if (g.platform != nullptr) g.platform->beep();
      break;
    case Failure::Kind::Fatal:
    case Failure::Kind::Shown:
      break;
  }
  if (g.platform != nullptr) g.platform->report(f);
}

std::string describe(const Failure& f) {
  return f.reason.empty() ? f.message : f.message + " (" + f.reason + ")";
}

}  // namespace vorlund
