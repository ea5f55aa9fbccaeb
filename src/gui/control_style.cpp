#include "gui/control_style.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "gui/warning_color.h"

namespace quillbit {
namespace {

// Sans fonts close in width to the Windows dialog fonts, best first.
constexpr const char* kStandIns[] = {"Microsoft Sans Serif", "Liberation Sans", "Arimo",
                                     "Nimbus Sans",          "Arial",           "Helvetica"};

QFont FamilyOrStandIn(const QString& family) {
  if (QFontDatabase::hasFamily(family)) return QFont(family);
  for (const char* standIn : kStandIns) {
    const QString name = QString::fromLatin1(standIn);
    if (QFontDatabase::hasFamily(name)) return QFont(name);
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

constexpr int kNarrowestStretch = 70;

// Width the caption needs with `font`, and the width it has.
std::pair<int, int> CaptionRoom(const QWidget& widget, const QFont& font) {
  const QFontMetrics metrics(font);
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->textFormat() != Qt::PlainText || label->text().isEmpty()) return {0, 1};
    return {metrics.horizontalAdvance(label->text()), label->contentsRect().width()};
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    // The indicator and spacing come from the style; only the text part scales with the font.
    const int text = metrics.horizontalAdvance(button->text());
    const int decoration =
        button->sizeHint().width() - QFontMetrics(button->font()).horizontalAdvance(button->text());
    return {text, button->width() - decoration};
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
    return {metrics.horizontalAdvance(frame->title()), frame->width() - 16};
  }
  return {0, 1};
}

}  // namespace

void FitCaption(QWidget& widget) {
  QFont font = widget.font();
  font.setStretch(QFont::Unstretched);
  auto [needed, room] = CaptionRoom(widget, font);
  int stretch = QFont::Unstretched;
  while (needed > room && stretch > kNarrowestStretch) {
    stretch =
        std::max(kNarrowestStretch, std::min(stretch - 2, stretch * room / std::max(1, needed)));
    font.setStretch(stretch);
    needed = CaptionRoom(widget, font).first;
  }
  if (widget.font().stretch() != font.stretch()) widget.setFont(font);
}

QFont FontFamilies::Find(const std::string& family) {
  const auto it = found_.find(family);
  if (it != found_.end()) return it->second;
  return found_.emplace(family, FamilyOrStandIn(QString::fromStdString(family))).first->second;
}

QFont ControlFont(const FontSpec& design, bool bold, FontFamilies& families) {
  QFont font = families.Find(design.family);
  // Every attribute is set explicitly so that nothing is inherited from a frame's bold italic
  // caption.
  font.setPointSizeF(design.points);
  font.setBold(bold);
  font.setItalic(design.italic);
  font.setUnderline(design.underline);
  font.setStrikeOut(false);
  return font;
}

QColor ToQColor(Color color, const QPalette& palette) {
  switch (color.system) {
    case SystemColor::WindowText:
      return palette.color(QPalette::WindowText);
    case SystemColor::ButtonFace:
      return palette.color(QPalette::Button);
    case SystemColor::Window:
      return palette.color(QPalette::Base);
    case SystemColor::WarningText:
      return WarningTextColor(palette);
    case SystemColor::None:
      break;
  }
  return {color.r, color.g, color.b};
}

}  // namespace quillbit
