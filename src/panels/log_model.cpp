#include "panels/log_model.h"

namespace vorlund {

void logAdd(LogModel& log, std::string_view text) {
  log.lines.emplace_back(text);
  ++log.revision;
  if (log.echo) log.echo(&log.lines.back());
}

void logShowLast(LogModel& log) {
  log.selected = static_cast<int>(log.lines.size()) - 1;
  ++log.revision;
}

void logClear(LogModel& log) {
  log.lines.clear();
  log.selected = -1;
  ++log.clears;
  ++log.revision;
  if (log.echo) log.echo(nullptr);
}

}  // namespace vorlund
