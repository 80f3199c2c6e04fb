#include "app/fonts.h"

#include <QStringList>

namespace vorlund::app {
namespace {

QFont family(const char* name, QFont::StyleHint hint) {
  QFont f;
  f.setFamilies(QStringList{QString::fromLatin1(name)});
  f.setStyleHint(hint);
  return f;
}

}  // namespace

QFont georgiaPoints(int points) {
  QFont f = family(kSerifFamily, QFont::Serif);
  f.setPointSize(points);
  return f;
}

QFont georgiaPixels(int pixels) {
  QFont f = family(kSerifFamily, QFont::Serif);
  f.setPixelSize(pixels);
  return f;
}

QFont timesPixels(int pixels) {
  return georgiaPixels(pixels);
}

QFont courierPixels(int pixels) {
  QFont f = family(kMonoFamily, QFont::Monospace);
  f.setFixedPitch(true);
  f.setPixelSize(pixels);
  return f;
}

}  // namespace vorlund::app
