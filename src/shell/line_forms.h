#pragma once
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <variant>
#include <vector>

#include "shell/command_words.h"
#include "shell/failure.h"

namespace vorlund {
struct Game;

// The lines a recording is written in and the sim reads: each kind of line
// once, in a table of forms, which the writer, the reader, the player and
// `vorlund-sim --help` all go through.

// One line of `vorlund-sim --help`: a command's form and what it does (lines
// after the first continue the text).
struct CommandHelp {
  const char* usage = nullptr;
  const char* text = nullptr;
};

// The lines of a help table, each indented and aligned.
std::string helpLines(std::span<const CommandHelp> rows);

// What a line means: `known` is false when its first word names no form of
// the table; otherwise `value`, or the reason it was refused.
template <class V>
struct ParsedLine {
  bool known = false;
  std::optional<V> value;
  std::string error;
};

// One kind of line: its first word, its help, how the rest of the line is
// read (false with no error: the line is not of this kind), how it is
// written, and what it does to the game.
template <class T>
struct LineForm {
  const char* word;
  CommandHelp help;
  CommandHelp moreHelp;  // a second form of the same word, or none
  bool (*parse)(const std::string& args, T& out, std::string& error);
  std::string (*args)(const T& value);
  std::optional<Failure> (*play)(Game& g, const T& value);
};

namespace forms {

inline constexpr const char* kUnexpectedArgument = "unexpected argument";

template <class T>
bool noArguments(const std::string& args, T&, std::string& error) {
  if (!args.empty()) error = kUnexpectedArgument;
  return args.empty();
}

template <class T>
std::string noText(const T&) {
  return "";
}

template <class T, class Forms>
constexpr const LineForm<T>& formOf(const Forms& table) {
  return std::get<LineForm<T>>(table);
}

template <class V, class Forms>
std::string lineOf(const Forms& table, const V& value) {
  return std::visit(
      [&table](const auto& v) {
        const auto& form = formOf<std::decay_t<decltype(v)>>(table);
        const std::string args = form.args(v);
        return args.empty() ? std::string(form.word) : std::string(form.word) + " " + args;
      },
      value);
}

template <class V, class T>
bool tryForm(const LineForm<T>& form, const std::string& word, const std::string& args,
             const std::string& line, ParsedLine<V>& parsed) {
  if (word != form.word) return false;
  T value{};
  std::string error;
  if (form.parse(args, value, error)) {
    parsed.known = true;
    parsed.value = std::move(value);
  } else if (!error.empty()) {
    parsed.known = true;
    parsed.error = error == kUnexpectedArgument ? error + ": " + line : error;
  }
  return true;
}

template <class V, class Forms>
ParsedLine<V> parse(const Forms& table, const std::string& line) {
  // Plain names, not a structured binding, for the lambda to see.
  const std::pair<std::string, std::string> words = firstWord(line);
  ParsedLine<V> parsed;
  std::apply(
      [&](const auto&... f) { (tryForm(f, words.first, words.second, line, parsed) || ...); },
      table);
  return parsed;
}

template <class V, class Forms>
std::optional<Failure> play(const Forms& table, Game& g, const V& value) {
  return std::visit(
      [&](const auto& v) { return formOf<std::decay_t<decltype(v)>>(table).play(g, v); }, value);
}

template <class Forms>
std::vector<CommandHelp> help(const Forms& table) {
  std::vector<CommandHelp> rows;
  std::apply(
      [&rows](const auto&... f) {
        ((rows.push_back(f.help), f.moreHelp.usage ? rows.push_back(f.moreHelp) : void()), ...);
      },
      table);
  return rows;
}

}  // namespace forms
}  // namespace vorlund
