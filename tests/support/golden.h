#pragma once
#include <string>
#include <vector>

namespace vorlund::test {

// Compares `now` with the reviewed file tests/golden/NAME, line for line.
// A difference fails the test with the first differing line and the one
// command that writes the file afresh (`regenerate`); with
// VORLUND_REGENERATE_GOLDEN set the file is rewritten instead and the test
// skipped, so that every changed line is read through before it is kept.
void expectGolden(const std::string& name, const std::vector<std::string>& now,
                  const std::string& regenerate);

}  // namespace vorlund::test
