// Scenario files of the end-to-end robot: one step per line, words separated
// by blanks, "double quotes" around a word with blanks (\" and \\ inside),
// '#' starts a comment line. Lines that begin with `harness` are read by the
// harness script, not by the robot.
#pragma once
#include <string>
#include <vector>

struct ScenarioStep {
  int line = 0;
  std::string source;               // the line as written, for messages
  std::vector<std::string> words;   // verb first
};

// Splits one line into words; false (and a reason) on an unclosed quote.
bool SplitScenarioLine(const std::string& line, std::vector<std::string>* words, std::string* error);

// Parses a whole scenario; false with "line N: reason" on the first bad line.
bool ParseScenario(const std::string& text, std::vector<ScenarioStep>* steps, std::string* error);

// Parses a decimal or 0x-prefixed number; false when the word is not one.
bool ParseScenarioNumber(const std::string& word, long* value);
