#include "app/message_boxes.h"

#include <QMessageBox>
#include <cstdio>
#include <utility>

namespace vorlund::app {
namespace {

BoxAnswerer& answerer() {
  static BoxAnswerer instead;
  return instead;
}

// GL's messages break their lines with a lone CR.
QString lines(QString text) {
  return text.replace('\r', '\n');
}

}  // namespace

void tellConsole(const QString& text) {
  for (const QString& line : lines(text).split('\n'))
    std::fprintf(stderr, "vorlund: %s\n", qUtf8Printable(line));
}

void showMessage(QWidget* parent, const QString& text) {
  tellConsole(text);
  if (answerer()) {
    answerer()(lines(text), false);
    return;
  }
  QMessageBox::critical(parent, "Vorlund", lines(text));
}

bool askPlayer(QWidget* parent, const QString& question) {
  if (answerer()) return answerer()(question, true);
  return QMessageBox::question(parent, "Vorlund", question) == QMessageBox::Yes;
}

void answerBoxesWith(BoxAnswerer answerer_) {
  answerer() = std::move(answerer_);
}

}  // namespace vorlund::app
