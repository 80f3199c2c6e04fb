#pragma once
#include <QFont>

namespace vorlund::app {

// The windows were designed with Windows fonts that Linux does not have.
// These stand-ins are named explicitly (fonts-liberation, metric-compatible
// with Times New Roman and Courier New) so that the game looks the same on
// every machine instead of on whatever the font matcher finds.
inline constexpr const char* kSerifFamily = "Liberation Serif";  // for Georgia, Times New Roman
inline constexpr const char* kMonoFamily = "Liberation Mono";    // for Courier New

// "Georgia" in points (the Names list) or pixels (the Log).
QFont georgiaPoints(int points);
QFont georgiaPixels(int pixels);
// "Times New Roman" in pixels (the arena's lettering).
QFont timesPixels(int pixels);
// "Courier New" in pixels (the sheets).
QFont courierPixels(int pixels);

}  // namespace vorlund::app
