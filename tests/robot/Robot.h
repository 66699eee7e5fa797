// The end-to-end robot: starts the program under test, watches only that
// process's windows and follows a scenario. Every action is posted (a sent
// PSM_PRESSBUTTON for Cancel would block until the cancel question is
// answered), every check is a poll with a timeout.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "tests/robot/Scenario.h"
#include "tests/robot/TrayRecorder.h"
#include "tests/robot/WindowQuery.h"

class Robot {
 public:
  explicit Robot(const std::string& outputFolder);
  Robot(const Robot&) = delete;
  Robot& operator=(const Robot&) = delete;
  ~Robot();
  // 0 when every step passed, 1 at the first unmet expectation (named on stdout).
  int Run(const std::vector<ScenarioStep>& steps);

 private:
  using Words = std::vector<std::string>;
  using Verb = bool (Robot::*)(const Words&, std::string*);
  struct VerbEntry {
    const char* name;
    size_t minWords, maxWords;  // words after the verb
    Verb run;
  };
  static const VerbEntry kVerbs[];

  bool Execute(const ScenarioStep& step, std::string* failure);
  // Polls `check` every 10 ms, pumping the robot's own queue, until it
  // returns true or the step's timeout passes; `seen` keeps the last value.
  bool Poll(const std::function<bool(std::string* seen)>& check, std::string* seen);
  void Pump(DWORD milliseconds);
  double Seconds() const;
  bool ProgramRunning() const;
  HWND FindWindowOf(const std::string& kindOrCaption) const;
  bool NeedCurrent(std::string* failure) const;
  bool NeedControl(const std::string& name, HWND* control, std::string* failure);
  bool WaitForMessageBox(HWND* box, std::string* failure);
  bool SaveStableCapture(RECT area, const std::string& name, std::string* failure);
  void ReportFailureState();

  bool Start(const Words&, std::string*);
  bool SetTimeout(const Words&, std::string*);
  bool WaitWindow(const Words&, std::string*);
  bool WaitGone(const Words&, std::string*);
  bool ExpectPage(const Words&, std::string*);
  bool ExpectText(const Words&, std::string*);
  bool ExpectChecked(const Words&, std::string*);
  bool ExpectControlFlag(const Words&, std::string*, BOOL(WINAPI* property)(HWND), const char* onName,
                         const char* offName);
  bool ExpectEnabled(const Words&, std::string*);
  bool ExpectVisible(const Words&, std::string*);
  bool ExpectCombo(const Words&, std::string*);
  bool ExpectSelection(const Words&, std::string*);
  bool SetText(const Words&, std::string*);
  bool Click(const Words&, std::string*);
  bool SelectCombo(const Words&, std::string*);
  bool Press(const Words&, std::string*);
  bool ExpectMessageBox(const Words&, std::string*);
  bool AnswerMessageBox(const Words&, std::string*);
  bool ExpectProgress(const Words&, std::string*);
  bool ExpectProgressRange(const Words&, std::string*);
  bool ExpectPixel(const Words&, std::string*);
  bool SavePng(const Words&, std::string*);
  bool ExpectTray(const Words&, std::string*);
  bool BrowsePick(const Words&, std::string*);
  bool BrowseCancel(const Words&, std::string*);
  bool NeedBrowser(HWND* tree, std::string* failure);
  bool CloseBrowser(int buttonId, std::string* failure);
  bool ClickAndWaitGone(HWND window, HWND button, const std::string& stillThere, std::string* failure);
  bool WaitExit(const Words&, std::string*);

  std::string outputFolder_;
  TrayRecorder tray_;
  PROCESS_INFORMATION process_ = {};
  HWND current_ = nullptr;     // the window the control steps act on
  HWND messageBox_ = nullptr;  // the box the last expect-msgbox found
  double timeoutSeconds_ = 30;
  DWORD startTicks_;
};
