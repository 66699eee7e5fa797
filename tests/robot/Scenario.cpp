#include "tests/robot/Scenario.h"
#include <cstdlib>

bool SplitScenarioLine(const std::string& line, std::vector<std::string>* words, std::string* error) {
  words->clear();
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i >= line.size()) break;
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') { closed = true; break; }
        // A line break in a text, written as the four characters \r\n: paths
        // keep their single backslashes.
        if (line.compare(i - 1, 4, "\\r\\n") == 0) {
          word += "\r\n";
          i += 3;
          continue;
        }
        if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) c = line[i++];
        word += c;
      }
      if (!closed) { *error = "unclosed quote"; return false; }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
    }
    words->push_back(word);
  }
  return true;
}

bool ParseScenario(const std::string& text, std::vector<ScenarioStep>* steps, std::string* error) {
  steps->clear();
  size_t start = 0;
  int number = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    ++number;
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ScenarioStep step;
    std::string reason;
    if (!SplitScenarioLine(line, &step.words, &reason)) {
      *error = "line " + std::to_string(number) + ": " + reason;
      return false;
    }
    if (step.words.empty() || step.words[0][0] == '#' || step.words[0] == "harness") continue;
    step.line = number;
    step.source = line;
    steps->push_back(step);
  }
  return true;
}

bool ParseScenarioNumber(const std::string& word, long* value) {
  if (word.empty()) return false;
  char* end = nullptr;
  *value = std::strtol(word.c_str(), &end, 0);
  return end && *end == '\0';
}
