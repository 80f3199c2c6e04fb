#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace vorlund::app {

// The one place the game opens its boxes: what stops the start-up, the files
// a close could not save, a failure of the arena's GL work, a Log that could
// not be saved, and the question before a file is replaced. Every message
// also goes to standard error, where a desktop's journal keeps it.

// A message the player must read: a modal box over `parent` (none: the screen).
void showMessage(QWidget* parent, const QString& text);

// A message nobody is there to read in a box (a close asked by a logout or a
// signal): standard error only.
void tellConsole(const QString& text);

// A question; whether the player answered yes.
bool askPlayer(QWidget* parent, const QString& question);

// Tests answer the boxes in the player's place: called with the text and
// whether it is a question, returns the answer. Empty: boxes again.
using BoxAnswerer = std::function<bool(const QString& text, bool question)>;
void answerBoxesWith(BoxAnswerer answerer);

}  // namespace vorlund::app
