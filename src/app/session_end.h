#pragma once

namespace vorlund::app {

class GameApp;

// Ends the game with its ordinary close, saves included, when the session
// ends from outside: SIGTERM (a logout, a shutdown, `kill`), SIGHUP, SIGINT,
// or the session manager asking the program to save. The close runs from
// the event loop. Should the program be made to exit while the game still
// runs (the toolkit exits when its display goes away, as at the end of a
// desktop session), the close runs on the way out.
void closeWithTheSession(GameApp& app);

// The app is going away: nothing is closed for it any more, and the
// signals end the program again.
void forgetSession(const GameApp& app);

}  // namespace vorlund::app
