// The names and descriptions a screen reader gets for the main window's controls, read as it
// reads them: through the accessibility layer, from outside the view.
#include <windows.h>
// After windows.h, which it needs.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>

#include "core/accessible_name.h"
#include "core/utf16_text.h"
#include "tests/win32/window_fixture.h"

namespace quillbit {
namespace {

enum class Field { Name, Description };

// What the accessibility layer says of a window's client area.
std::string Said(HWND window, Field field) {
  IAccessible* accessible = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
    return "(no accessible object)";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  const HRESULT got = field == Field::Name ? accessible->get_accName(self, &text)
                                           : accessible->get_accDescription(self, &text);
  accessible->Release();
  std::string said = SUCCEEDED(got) && text != nullptr ? Utf8Text(text) : std::string();
  ::SysFreeString(text);
  return said;
}

struct NameCase {
  const char* control;
  const char* name;
};

void PrintTo(const NameCase& c, std::ostream* os) {
  *os << c.control;
}

// What the view gives the accessibility layer beyond the windows' own texts. (Wine's
// accessibility layer does not read these annotations; Windows' does, and prefers them.)
class ScreenReaderNames : public MainWindowTest, public testing::WithParamInterface<NameCase> {};

TEST_P(ScreenReaderNames, AreTheCaptionsThatStandForTheControls) {
  EXPECT_EQ(window.View().Annotations().Name(Hwnd(GetParam().control)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ScreenReaderNames,
                         testing::Values(NameCase{"txtFrames", "Total frames in movie"},
                                         NameCase{"cmbCCESet", "CCE Method"},
                                         NameCase{"txtFPS", "Frame rate (fps)"},
                                         NameCase{"txtAudio", "Audio file(s) total size"},
                                         NameCase{"cmbAudio", "Audio file(s) total size unit"},
                                         NameCase{"cmbDest", "Destination size unit"},
                                         NameCase{"txtCCEMax", "CCE Max"},
                                         NameCase{"txtLength", "Movie Length"},
                                         NameCase{"txtM2VSize", "Estimated output size"},
                                         NameCase{"cmbM2VSize", "Estimated output size unit"}));

// Without the annotations, the platform's own rule names a box after the static text before
// it: read through the accessibility layer, that is the box's caption (its colon aside).
class PlatformNames : public MainWindowTest, public testing::WithParamInterface<NameCase> {};

TEST_P(PlatformNames, AreTheCaptionsOfTheLabelsBeforeTheBoxes) {
  EXPECT_EQ(SpokenCaption(Said(Hwnd(GetParam().control), Field::Name)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, PlatformNames,
                         testing::Values(NameCase{"txtFrames", "Total frames in movie"},
                                         NameCase{"txtSub", "Subtitle .bmp files size"},
                                         NameCase{"txtCCEQual", "CCE Quality"},
                                         NameCase{"txtCCEMin", "Recommended CCE Min"},
                                         NameCase{"txtM2VSize", "Estimated output size"},
                                         NameCase{"chkFF", "Forced FILM"}));

class ScreenReaderText : public MainWindowTest {};

TEST_F(ScreenReaderText, NamesFollowACaptionThatAMethodRewrites) {
  window.Model().cmbCCESet.SetText("Single Pass (Bach Method)");
  Pump();
  EXPECT_EQ(window.View().Annotations().Name(Hwnd("txtCCEQ")), "Recommended CCE Q");
  EXPECT_EQ(window.View().Annotations().Name(Hwnd("txtCCEMin")), "CCE Min");
  EXPECT_EQ(SpokenCaption(Said(Hwnd("txtCCEQ"), Field::Name)), "Recommended CCE Q");
}

TEST_F(ScreenReaderText, AUnitListIsDescribedByItsTooltip) {
  EXPECT_EQ(window.View().Annotations().Description(Hwnd("cmbAudio")),
            "Hold down SHIFT to convert");
  EXPECT_EQ(window.View().Annotations().Description(Hwnd("txtAudio")), "");
}

}  // namespace
}  // namespace quillbit
