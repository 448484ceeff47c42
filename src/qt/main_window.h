// The main window on Qt: owns the program state and the client-area view (which
// owns the back buffer and takes the keys), implements the core's Host, and turns
// menu actions, accelerators and timers into the router's entry points; the view
// hands keys to the router itself. Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>

#include "program/host.h"
#include "program/program.h"
#include "results/clock.h"

class QTimer;

namespace keyrill::qt {

class BackBufferView;

// Decodes the window icon (a 256-pixel PNG); safe on any thread once the
// application exists.
QImage LoadWindowIcon();

class MainWindow final : public QMainWindow, public Host {
 public:
  // `icon` gives the window icon's image once the fonts are loaded, so that it can
  // be decoded meanwhile on another thread.
  explicit MainWindow(const std::function<QImage()>& icon = LoadWindowIcon);
  ~MainWindow() override;

  Program& program() { return program_; }
  const QImage& backBuffer() const;  // the view's
  BackBufferView& view() { return *view_; }

  // Host
  void Invalidate(const Rect& rect, bool erase) override;
  void InvalidateAll(bool erase) override;
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void CloseMainWindow() override;
  void ShowSelectTest() override;
  void ShowAddTest() override;
  void ShowEditTest() override;
  void ShowReport(const ReportTexts& texts) override;
  void FatalError(const char* text) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenus();
  void CreateAccelerators();
  // A menu command or its accelerator, told to assistive technology as it changes
  // the typing area.
  void Command(int command);
  void MeasureClientArea();

  const CodePage codePage_;  // first: the view and the program hold on to it
  SteadyClock clock_;
  // The view before the program: the program draws into the view's back buffer, and
  // the view keeps a reference to the program to route keys into.
  BackBufferView* view_;
  Program program_;
  std::map<int, QTimer*> timers_;
};

}  // namespace keyrill::qt
