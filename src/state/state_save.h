#pragma once
#include <span>
#include <string>

namespace vorlund {
struct Game;

// Saves a state file of the game folder through the atomic writer. A file
// that was there but could not be understood when it was loaded (`unread`)
// is first kept aside as NAME.bak (or NAME.bak.1, ... beside older ones), so
// that nothing it may still hold is lost; a read-only one is left alone.
// Whatever cannot be saved is told.
void saveStateFile(Game& g, const std::string& name, bool& unread,
                   std::span<const unsigned char> bytes);

}  // namespace vorlund
