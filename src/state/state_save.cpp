#include "state/state_save.h"

#include <filesystem>
#include <system_error>

#include "state/failure.h"
#include "state/file_io.h"
#include "state/game.h"
#include "state/log_model.h"

namespace vorlund {

namespace {

bool readOnlyFile(const std::filesystem::path& path) {
  std::error_code ec;
  const auto st = std::filesystem::status(path, ec);
  return !ec && std::filesystem::is_regular_file(st) &&
         (st.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

}  // namespace

void saveStateFile(Game& g, const std::string& name, bool& unread,
                   std::span<const unsigned char> bytes) {
  const auto path = gameFile(g, name);
  const std::string cannot = "Cannot create file " + name;
  if (unread && !readOnlyFile(path)) {
    std::filesystem::path aside;
    if (const FileResult kept = keepAside(path, aside); !kept) {
      reportFailure(g, Failure::notSaved(name, cannot,
                                         "the file that was not loaded could not be kept aside: " +
                                             kept.reason()));
      return;
    }
    logAdd(g.log, name + " kept as " + aside.filename().string());
    unread = false;
  }
  if (const FileResult r = writeFileAtomically(path, bytes); !r)
    reportFailure(g, Failure::notSaved(name, cannot, r.reason()));
}

}  // namespace vorlund
