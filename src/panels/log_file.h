#pragma once
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "state/file_io.h"

namespace vorlund {

// The Log as a text file: every line in UTF-8, each followed by a line feed,
// so that an empty line of the Log is an empty line of the file. A byte that
// starts no well-formed character is written as U+FFFD, as the window shows
// it, so that the file is UTF-8 throughout.
std::string logFileText(const std::vector<std::string>& lines);

// Saves the lines through the atomic writer.
FileResult saveLogFile(const std::vector<std::string>& lines, const std::filesystem::path& path);

// The name a Log saved at this local time is offered, e.g.
// "vorlund-log-2026-12-06-2315.txt".
std::string logFileName(const std::tm& local);

}  // namespace vorlund
