#include "shell/settings.h"

#include <algorithm>
#include <optional>
#include <string>

#include "shell/failure.h"
#include "shell/game.h"

namespace vorlund {
namespace {

const std::string kSection = "MainForm";

// Window status codes kept under "Status"; 0 (absent) means a first run.
constexpr int kStatusNormal = 1;
constexpr int kStatusMinimised = 2;
constexpr int kStatusMaximised = 3;

std::string coinIdent(int s) {
  return "Coin" + std::to_string(s);
}

// Screens are no larger than 16-bit coordinates reach. Geometry beyond that
// comes from a damaged or hand-edited file, and is brought within it before
// any layout reckons with it.
constexpr int kFarthestCoordinate = 32767;

WindowBounds onAScreen(WindowBounds b) {
  b.top = std::clamp(b.top, -kFarthestCoordinate, kFarthestCoordinate);
  b.left = std::clamp(b.left, -kFarthestCoordinate, kFarthestCoordinate);
  b.width = std::clamp(b.width, 0, kFarthestCoordinate);
  b.height = std::clamp(b.height, 0, kFarthestCoordinate);
  return b;
}

}  // namespace

void readSettings(Game& g) {
  SettingsStore& store = g.platform->settings();
  if (const std::optional<Failure> f = store.takeOpeningFailure()) reportFailure(g, *f);
  if (store.readInteger(kSection, "Status", 0) == 0) {
    for (int s = 1; s <= kSlotCount; ++s) slot(g, s).Coin = kFirstRunCoin;
    return;
  }
  placeMainWindow(g);
  for (int s = 1; s <= kSlotCount; ++s)
    slot(g, s).Coin = store.readInteger(kSection, coinIdent(s), slot(g, s).Coin);
  g.betrayal = store.readBool(kSection, "Betrayal", g.betrayal);
}

void placeMainWindow(Game& g) {
  SettingsStore& store = g.platform->settings();
  const int status = store.readInteger(kSection, "Status", 0);
  if (status == 0) return;
  WindowBounds b = g.platform->bounds(WindowId::Main);
  b.top = store.readInteger(kSection, "Top", b.top);
  b.left = store.readInteger(kSection, "Left", b.left);
  b.width = store.readInteger(kSection, "Width", b.width);
  b.height = store.readInteger(kSection, "Height", b.height);
  g.platform->setBounds(WindowId::Main, onAScreen(b));
  if (status == kStatusMinimised) g.platform->minimiseMainWindow();
  if (status == kStatusMaximised) g.platform->maximiseMainWindow();
}

std::int32_t readSpeed(SettingsStore& store) {
  const std::int32_t speed = store.readInteger(kSection, "Speed", kDesignedSpeed);
  return speedInRange(speed) ? speed : kDesignedSpeed;
}

void writeSettings(Game& g) {
  SettingsStore& store = g.platform->settings();
  int status = kStatusNormal;
  switch (g.platform->mainWindowState()) {
    case WindowState::Normal: {
      const WindowBounds b = g.platform->bounds(WindowId::Main);
      store.writeInteger(kSection, "Top", b.top);
      store.writeInteger(kSection, "Left", b.left);
      store.writeInteger(kSection, "Width", b.width);
      store.writeInteger(kSection, "Height", b.height);
      break;
    }
    case WindowState::Minimised:
      status = kStatusMinimised;
      break;
    case WindowState::Maximised:
      status = kStatusMaximised;
      break;
  }
  if (!g.platform->mainWindowActive()) status = kStatusMinimised;
  store.writeInteger(kSection, "Status", status);
  for (int s = 1; s <= kSlotCount; ++s) store.writeInteger(kSection, coinIdent(s), slot(g, s).Coin);
  store.writeBool(kSection, "Betrayal", g.betrayal);
  if (const FileResult r = store.flush(); !r) {
    const std::string file = store.fileName();
    reportFailure(g, Failure::notSaved(file, "Cannot create file " + file, r.reason()));
  }
}

}  // namespace vorlund
