#pragma once

#include <QSize>
#include <QWidget>
#include <functional>

#include "core/form_frame.h"

namespace quillbit {

// A fixed dialog frame: caption and close box, no minimize or maximize box, no resizing.
inline constexpr Qt::WindowFlags kFixedDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// What every window does for its model, whichever window it is: report its outer size before
// the load, take the caption and the place from the load, and tie its close to the model's
// unload both ways (any close unloads the model once; a model that unloads itself closes the
// window).
class FormWindow {
 public:
  FormWindow(QWidget& window, FormFrame& frame, std::function<void()> unload)
      : window_(window), frame_(frame), unload_(std::move(unload)) {}

  // The client area in pixels for a size in twips, at the window's resolution.
  QSize ClientPixels(float widthTwips, float heightTwips) const;
  // The outer size is guessed from the client area, any bars above it and a thin frame.
  void ReportOuterSize(QSize client, int barsHeight);
  // Runs the load, then titles and places the window; false when the load unloaded the model,
  // and then the window stays hidden.
  bool Load(const std::function<void()>& load);

  // The model's host: the model unloaded itself, so the window closes unless it is already.
  void ModelUnloaded();
  // From the window's close event: every close unloads the model, once, and is never refused.
  void Closing();

 private:
  QWidget& window_;
  FormFrame& frame_;
  std::function<void()> unload_;
  bool unloaded_ = false;
  bool closing_ = false;
};

}  // namespace quillbit
