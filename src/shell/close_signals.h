#pragma once

namespace vorlund {

// The signals that end a session from outside: SIGTERM (a logout, a
// shutdown, `kill`), SIGHUP (the terminal went away) and SIGINT (Ctrl+C).
// The game answers each with its ordinary close, saves included, run from
// its own loop: the handler only writes the signal's number to a pipe whose
// other end the loop watches, since nothing that saves may run inside a
// signal handler.
//
// Installs the handlers and returns the pipe's read end: it becomes
// readable when one of the signals has come. -1 when no pipe could be made
// (the signals then keep their default action).
int watchCloseSignals();

// Gives the signals their default action back: nothing is left to close.
void unwatchCloseSignals();

// The signal that came since the last call (draining the pipe), or 0.
int takeCloseSignal();

}  // namespace vorlund
