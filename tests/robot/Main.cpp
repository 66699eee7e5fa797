// robot.exe SCENARIO OUTPUT_FOLDER: follows the scenario against the program
// it starts; exit code 0 when every step passed, 1 at the first failed step,
// 2 when the scenario cannot be read.
#include <cstdio>
#include <fstream>
#include <sstream>
#include "tests/robot/Robot.h"
#include "tests/robot/Scenario.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::printf("usage: robot SCENARIO OUTPUT_FOLDER\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  if (!file) {
    std::printf("cannot read %s\n", argv[1]);
    return 2;
  }
  std::stringstream text;
  text << file.rdbuf();
  std::vector<ScenarioStep> steps;
  std::string error;
  if (!ParseScenario(text.str(), &steps, &error)) {
    std::printf("%s: %s\n", argv[1], error.c_str());
    return 2;
  }
  Robot robot(argv[2]);
  return robot.Run(steps);
}
