#include "gui/qt_locale.h"

#include <QStringList>

namespace quillbit {
namespace {

// Qt has no call for the group sizes; they are read off a formatted number instead.
void ReadGroups(const QLocale& locale, NumberLocale& out) {
  const QString grouped = locale.toString(Q_INT64_C(1234567890123));
  const QString separator = locale.groupSeparator();
  if (separator.isEmpty() || (locale.numberOptions() & QLocale::OmitGroupSeparator) ||
      !grouped.contains(separator)) {
    out.primaryGroup = 0;
    out.secondaryGroup = 0;
    return;
  }
  const QStringList parts = grouped.split(separator);
  out.primaryGroup = static_cast<int>(parts.last().size());
  out.secondaryGroup =
      parts.size() > 2 ? static_cast<int>(parts[parts.size() - 2].size()) : out.primaryGroup;
}

void ReadNegative(const QLocale& locale, NumberLocale& out) {
  const QString sign = locale.negativeSign();
  const QString sample = locale.toString(-1.5, 'f', 1);
  const qsizetype at = sample.indexOf(sign);
  if (sign.isEmpty() || at < 0) return;
  if (at == 0) {
    const bool space = sample.size() > sign.size() && sample.at(sign.size()).isSpace();
    out.negative = space ? NegativeStyle::LeadingSignSpace : NegativeStyle::LeadingSign;
  } else if (at + sign.size() == sample.size()) {
    const bool space = at > 0 && sample.at(at - 1).isSpace();
    out.negative = space ? NegativeStyle::TrailingSignSpace : NegativeStyle::TrailingSign;
  }
}

}  // namespace

NumberLocale NumberLocaleFrom(const QLocale& locale) {
  NumberLocale out;
  out.decimal = locale.decimalPoint().toStdString();
  out.grouping = locale.groupSeparator().toStdString();
  out.negativeSign = locale.negativeSign().toStdString();
  out.decimals = 2;
  out.leadingZero = true;
  ReadGroups(locale, out);
  ReadNegative(locale, out);
  return out;
}

}  // namespace quillbit
