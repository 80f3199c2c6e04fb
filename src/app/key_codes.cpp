#include "app/key_codes.h"

#include <QKeyEvent>

namespace vorlund::app {

int virtualKey(int k) {
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return '0' + (k - Qt::Key_0);
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return 112 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Backspace:
      return 8;
    default:
      return 0;
  }
}

int virtualKey(const QKeyEvent& event) {
  return virtualKey(event.key());
}

}  // namespace vorlund::app
