#pragma once

class QKeyEvent;

namespace vorlund::app {

// The Windows virtual-key code the game's key tables use for a Qt key, or 0
// for a key they do not know.
int virtualKey(const QKeyEvent& event);
int virtualKey(int qtKey);

}  // namespace vorlund::app
