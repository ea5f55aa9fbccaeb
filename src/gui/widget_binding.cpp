#include "gui/widget_binding.h"

#include "core/accessible_name.h"
#include "gui/control_style.h"
#include "gui/hand_cursor.h"
#include "gui/twips.h"
#include "gui/widget_kind.h"

namespace quillbit {

QWidget* CreateControlWidget(const Control& control, QWidget* parent, double logicalDpi,
                             FontFamilies& families) {
  const ControlDesign& design = control.Design();
  QWidget* w = WidgetKindOf(design.kind).Create(design, parent, logicalDpi);
  if (w == nullptr) return nullptr;
  if (design.kind != ControlKind::Line) w->setGeometry(TwipsToRect(design.rect, logicalDpi));
  w->setObjectName(QString::fromStdString(design.name));
  w->setFont(ControlFont(design.font, control.Bold(), families));
  if (!control.ToolTip().empty()) w->setToolTip(QString::fromStdString(control.ToolTip()));
  if (design.pointer == MousePointer::PointingHand) w->setCursor(HandCursor());
  return w;
}

void ApplyProperty(const Binding& b, Property property) {
  if (b.widget == nullptr && b.action == nullptr) return;
  const WidgetKind& kind = WidgetKindOf(b.control->Kind());
  switch (property) {
    case Property::Text:
      kind.ShowText(b);
      if (b.widget != nullptr) FitCaption(*b.widget);
      break;
    case Property::Visible:
      kind.ShowVisible(b);
      break;
    case Property::Enabled:
      kind.ShowEnabled(b);
      break;
    case Property::ForeColor:
    case Property::BackColor:
      kind.ShowColors(b);
      break;
    case Property::Bold:
      kind.ShowBold(b);
      if (b.widget != nullptr) FitCaption(*b.widget);
      break;
    case Property::Items:
    case Property::ListIndex:
      kind.ShowItems(b);
      break;
    case Property::Value:
      kind.ShowValue(b);
      break;
    case Property::ToolTip:
      if (b.widget != nullptr) b.widget->setToolTip(QString::fromStdString(b.control->ToolTip()));
      if (b.action != nullptr) b.action->setToolTip(QString::fromStdString(b.control->ToolTip()));
      break;
  }
}

void ApplyAll(const Binding& b) {
  for (Property p : {Property::Text, Property::ForeColor, Property::Bold, Property::Items,
                     Property::Value, Property::Enabled, Property::Visible}) {
    ApplyProperty(b, p);
  }
}

void ApplyAccessibleName(const ControlSet& controls, const Binding& b) {
  if (b.widget == nullptr) return;
  const QString name = QString::fromStdString(AccessibleName(controls, *b.control));
  if (b.widget->accessibleName() != name) b.widget->setAccessibleName(name);
  const QString description = QString::fromStdString(AccessibleDescription(*b.control));
  if (b.widget->accessibleDescription() != description)
    b.widget->setAccessibleDescription(description);
}

void ConnectPersonActions(const Binding& b) {
  WidgetKindOf(b.control->Kind()).Connect(b);
}

ShownControl ReadShown(const Binding& b) {
  return WidgetKindOf(b.control->Kind()).Read(b);
}

}  // namespace quillbit
