#include "main_window/frm_audio_tracks_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/accessible_name.h"
#include "core/audio_tracks.h"
#include "core/control_set.h"

namespace quillbit {
namespace {

constexpr const char* kRowArrays[] = {"cmbFormat",     "cmbChannels", "cmbBitrate",
                                      "cmbSampleRate", "cmbBits",     "txtTrackSize"};

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::List || kind == ControlKind::Button;
}

TEST(FrmAudioTracksLayout, NamesAreUniqueAndEveryRowIsComplete) {
  std::set<std::string> names;
  for (const ControlDesign& d : FrmAudioTracksLayout()) {
    EXPECT_TRUE(names.insert(d.name).second) << d.name;
  }
  for (const char* name :
       {"lblFormatHead", "lblChannelsHead", "lblBitrateHead", "lblSampleRateHead", "lblBitsHead",
        "lblSizeHead", "lblLength", "lblTotal", "txtTotal", "cmdOK", "cmdCancel"}) {
    EXPECT_TRUE(names.contains(name)) << name;
  }
  for (int row = 0; row < static_cast<int>(kMaxAudioTracks); ++row) {
    EXPECT_TRUE(names.contains(ControlArrayName("lblTrack", row))) << row;
    for (const char* array : kRowArrays) {
      EXPECT_TRUE(names.contains(ControlArrayName(array, row))) << array << row;
    }
  }
  EXPECT_EQ(names.size(), 11 + kMaxAudioTracks * 7);
}

TEST(FrmAudioTracksLayout, EveryFocusableControlHasItsRowsName) {
  ControlSet controls(FrmAudioTracksLayout());
  const char* const suffixes[] = {"format", "channels", "bitrate", "sample rate", "bits", "size"};
  for (int row = 0; row < static_cast<int>(kMaxAudioTracks); ++row) {
    for (std::size_t column = 0; column < std::size(kRowArrays); ++column) {
      EXPECT_EQ(AccessibleName(controls, controls.Get(ControlArrayName(kRowArrays[column], row))),
                std::string("Track ")
                    .append(std::to_string(row + 1))
                    .append(" ")
                    .append(suffixes[column]));
    }
  }
  EXPECT_EQ(AccessibleName(controls, controls.Get("txtTotal")), "Total");
  for (const Control& c : controls.All()) {
    if (TakesFocus(c.Kind())) {
      EXPECT_FALSE(AccessibleName(controls, c).empty()) << c.Name();
    }
  }
}

// Tab goes along a row, then down to the next; after the last row the total, OK and Cancel.
TEST(FrmAudioTracksLayout, TabOrderRunsRowByRowThenTheTotalAndTheButtons) {
  std::vector<const ControlDesign*> focusable;
  for (const ControlDesign& d : FrmAudioTracksLayout()) {
    if (TakesFocus(d.kind)) {
      EXPECT_GE(d.tab, 0) << d.name;
      focusable.push_back(&d);
    } else {
      EXPECT_EQ(d.tab, -1) << d.name;
    }
  }
  std::ranges::sort(focusable, {}, [](const ControlDesign* d) { return d->tab; });
  std::vector<std::string> order;
  for (const ControlDesign* d : focusable) order.push_back(d->name);
  std::vector<std::string> expected;
  for (int row = 0; row < static_cast<int>(kMaxAudioTracks); ++row) {
    for (const char* array : kRowArrays) expected.push_back(ControlArrayName(array, row));
  }
  expected.insert(expected.end(), {"txtTotal", "cmdOK", "cmdCancel"});
  EXPECT_EQ(order, expected);
  EXPECT_EQ(focusable.front()->name, "cmbFormat(0)");
}

TEST(FrmAudioTracksLayout, RowsLineUpUnderTheirHeadsInsideTheWindow) {
  for (const ControlDesign& d : FrmAudioTracksLayout()) {
    SCOPED_TRACE(d.name);
    EXPECT_GE(d.rect.left, 0);
    EXPECT_GE(d.rect.top, 0);
    EXPECT_LE(d.rect.left + d.rect.width, kFrmAudioTracksClientWidth);
    EXPECT_LE(d.rect.top + d.rect.height, kFrmAudioTracksClientHeight);
    // The dialog's font throughout.
    EXPECT_EQ(d.font.family, "MS Sans Serif");
    EXPECT_EQ(d.font.points, 8.25);
  }
  const char* const heads[] = {"lblFormatHead",     "lblChannelsHead", "lblBitrateHead",
                               "lblSampleRateHead", "lblBitsHead",     "lblSizeHead"};
  const auto design = [](const std::string& name) {
    const auto& layout = FrmAudioTracksLayout();
    return *std::ranges::find(layout, name, &ControlDesign::name);
  };
  for (std::size_t column = 0; column < std::size(kRowArrays); ++column) {
    const Twips head = design(heads[column]).rect;
    for (int row = 0; row < static_cast<int>(kMaxAudioTracks); ++row) {
      const Twips cell = design(ControlArrayName(kRowArrays[column], row)).rect;
      EXPECT_EQ(cell.left, head.left);
      EXPECT_EQ(cell.width, head.width);
      EXPECT_GT(cell.top, head.top);
      if (row > 0) {
        EXPECT_EQ(cell.top - design(ControlArrayName(kRowArrays[column], row - 1)).rect.top, 360);
      }
    }
  }
  EXPECT_EQ(design("txtTotal").rect.left, design("lblSizeHead").rect.left);
}

TEST(FrmAudioTracksLayout, SizesAreReadOnlyRightAlignedAndTheButtonsDefaultAndCancel) {
  for (const ControlDesign& d : FrmAudioTracksLayout()) {
    SCOPED_TRACE(d.name);
    const bool size = d.kind == ControlKind::TextBox;
    EXPECT_EQ(d.readOnly, size);
    if (size) {
      EXPECT_EQ(d.align, Align::Right);
    }
    EXPECT_EQ(d.defaultButton, d.name == "cmdOK");
    EXPECT_EQ(d.cancelButton, d.name == "cmdCancel");
  }
}

}  // namespace
}  // namespace quillbit
