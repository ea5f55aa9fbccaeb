#include "scenario_player/qt/widget_reader.h"

namespace quillbit::scenario {

WindowView ReadWindow(const QWidget& window, const FormView& view) {
  return WindowView{.title = window.windowTitle().toStdString(), .controls = view.ShownControls()};
}

}  // namespace quillbit::scenario
