// The application object: starts the program, runs the main dialog and ends with it.
#pragma once
#include "ui/win32/dialog_base.h"

class Cwl2kvxApp : public WinApp {
 public:
  Cwl2kvxApp();
  ~Cwl2kvxApp() override;

  // Returns false: the program ends when the main dialog closes, without a message loop.
  bool initInstance() override;
  bool handleCommand(int id) override;
};
