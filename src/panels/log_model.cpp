#include "panels/log_model.h"

namespace vorlund {

void logAdd(LogModel& log, std::string_view text) {
  log.lines_.emplace_back(text);
  ++log.revision_;
  if (log.echo) log.echo(&log.lines_.back());
}

void logShowLast(LogModel& log) {
  log.selected_ = static_cast<int>(log.lines_.size()) - 1;
  ++log.revision_;
}

void logClear(LogModel& log) {
  log.lines_.clear();
  log.selected_ = -1;
  ++log.clears_;
  ++log.revision_;
  if (log.echo) log.echo(nullptr);
}

}  // namespace vorlund
