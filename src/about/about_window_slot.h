#pragma once

#include <functional>
#include <memory>

namespace quillbit {

// One About window on screen: a view with its own frmAbout model.
class AboutWindow {
 public:
  virtual ~AboutWindow() = default;
  // Runs the model's load, then shows the window modeless and without an owner window, so that
  // the main window stays usable and may close first.
  virtual void Show() = 0;
  virtual void BringToFront() = 0;
};

class AboutWindowFactory {
 public:
  virtual ~AboutWindowFactory() = default;
  // A new window, not yet shown. It calls `closed` once it has been closed (by cmdOK or its close
  // box); the call may come from inside one of its own handlers.
  virtual std::unique_ptr<AboutWindow> Create(std::function<void()> closed) = 0;
};

// The single About window of a run: "Help" > "About" creates and loads it the first time,
// brings it to the front while it is open, and loads a new one after it was closed.
class AboutWindowSlot {
 public:
  explicit AboutWindowSlot(AboutWindowFactory& factory) : factory_(factory) {}
  ~AboutWindowSlot();
  AboutWindowSlot(const AboutWindowSlot&) = delete;
  AboutWindowSlot& operator=(const AboutWindowSlot&) = delete;

  void Show();
  bool IsOpen() const { return open_ != nullptr; }
  AboutWindow* Current() const { return open_.get(); }

 private:
  void Closed(unsigned generation);

  AboutWindowFactory& factory_;
  std::unique_ptr<AboutWindow> open_;
  // A closed window is kept until the next Show, since its close may still be running.
  std::unique_ptr<AboutWindow> closed_;
  unsigned generation_ = 0;
};

}  // namespace quillbit
