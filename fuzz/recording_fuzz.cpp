// A recording as a start reads its last game and `vorlund --replay` reads
// its file: whatever the bytes, it is refused naming a line or read whole.
// What is read writes back as what it means: every step's line reads back
// as the same line, and the start, written again, reads back as the same
// files, each within the size a start carries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "fuzz_game.h"
#include "loop/recorded_game.h"

using namespace vorlund;

namespace {

std::string lineOf(const RecordedStep& step) {
  if (const auto* run = std::get_if<TickRun>(&step)) return "tick " + std::to_string(run->count);
  if (const auto* c = std::get_if<StartCondition>(&step)) return conditionLine(*c);
  return inputLine(std::get<PlayerInput>(step));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  RecordedGame rec;
  if (const std::optional<Failure> refused = readRecording(text, rec)) {
    const std::string& error = refused->message;
    fuzz::require(error.starts_with("line ") || error == "it is empty", "a refusal names its line");
    return 0;
  }
  fuzz::require(rec.wholeBytes <= size && rec.stepsToLastInput <= rec.steps.size(),
                "what was read lies within the recording");
  for (const RecordedStep& step : rec.steps) {
    const std::string line = lineOf(step);
    RecordedGame again;
    const bool refused = readRecording("seed 1\n" + line + "\n", again).has_value();
    fuzz::require(!refused && again.steps.size() == 1 && lineOf(again.steps[0]) == line,
                  "a step's line reads back as the same step");
  }
  StartReader reader;
  std::string why;
  for (const std::string& line : startLines(rec.start))
    fuzz::require(reader.read(line, why), "a start written again reads back");
  fuzz::require(reader.finish(why) && reader.start().files.size() == rec.start.files.size(),
                "the same files");
  for (std::size_t i = 0; i < rec.start.files.size(); ++i) {
    const StartFile& a = rec.start.files[i];
    const StartFile& b = reader.start().files[i];
    fuzz::require(a.name == b.name && a.kind == b.kind && a.size == b.size && a.crc == b.crc &&
                      a.bytes == b.bytes && a.bytes.size() <= kLargestStartFile,
                  "each file as it was");
  }
  return 0;
}
