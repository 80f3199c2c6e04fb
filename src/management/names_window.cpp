#include "management/names_window.h"

#include <fstream>

#include "panels/sheet.h"
#include "shell/game.h"

namespace vorlund {

bool readLines(const Game& g, const std::string& name, std::vector<std::string>& out) {
  std::ifstream in(gameFile(g, name), std::ios::binary);
  if (!in) return false;
  out.clear();
  // Lines end with LF, CR LF or a lone CR; a final line break adds no entry.
  std::string line;
  char c;
  bool pending = false;
  while (in.get(c)) {
    if (c == '\n' || c == '\r') {
      out.push_back(line);
      line.clear();
      pending = false;
      if (c == '\r' && in.peek() == '\n') in.get(c);
    } else {
      line.push_back(c);
      pending = true;
    }
  }
  if (pending) out.push_back(line);
  return true;
}

void namesFormCreate(Game& g, unsigned seed) {
  namesClear(g.names);
  std::vector<std::string> lines;
  if (!readLines(g, "names.txt", lines)) logAdd(g.log, "Cannot open file names.txt");
  for (const auto& l : lines) namesAdd(g.names, l);
  g.names.state = 1;
  g.rng.seed = seed;
}

void clickNames(Game& g, int line) {
  g.us.caption = sheetCaption(g, g.combatantOrder[1]);
  g.them.caption = sheetCaption(g, g.combatantOrder[2]);
  ++g.us.revision;
  ++g.them.revision;
  namesSelect(g.names, line);
  // The menu's actions arrive with the fighters issue.
}

}  // namespace vorlund
