#include "about/about_window_slot.h"

namespace quillbit {

AboutWindowSlot::~AboutWindowSlot() {
  // A window that reports its close while it is destroyed finds the report already late.
  ++generation_;
  std::unique_ptr<AboutWindow> open = std::move(open_);
  open.reset();
  closed_.reset();
}

void AboutWindowSlot::Show() {
  if (open_) {
    open_->BringToFront();
    return;
  }
  closed_.reset();
  const unsigned generation = ++generation_;
  open_ = factory_.Create([this, generation] { Closed(generation); });
  if (!open_) return;
  // Held before it is shown, so that a close during its own load finds it.
  AboutWindow& window = *open_;
  window.Show();
}

void AboutWindowSlot::Closed(unsigned generation) {
  // A late report from an earlier window must not close the current one.
  if (generation != generation_ || !open_) return;
  closed_ = std::move(open_);
}

}  // namespace quillbit
