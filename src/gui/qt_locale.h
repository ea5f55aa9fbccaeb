#pragma once

#include <QLocale>

#include "core/number_locale.h"

namespace quillbit {

// The number conventions of a Qt locale: decimal and grouping symbols, group sizes, the
// negative sign and where it goes. Two decimals, with a leading zero, as Windows defaults.
NumberLocale NumberLocaleFrom(const QLocale& locale);

}  // namespace quillbit
