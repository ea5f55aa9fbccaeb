#include "main_window/frm_audio_tracks_layout.h"

#include <iterator>
#include <string>
#include <utility>

#include "core/audio_tracks.h"

namespace quillbit {
namespace {

const FontSpec kDialogFont{};

constexpr int kMargin = 120;
constexpr int kGap = 60;
constexpr int kHeadTop = 120;
constexpr int kFirstRowTop = 435;
constexpr int kRowPitch = 360;  // as the main window's rows
constexpr int kFieldHeight = 315;
constexpr int kLabelDrop = 45;  // a label's text sits level with the text of the lists beside it
constexpr int kLabelHeight = 255;
constexpr int kTrackLabelWidth = 720;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;

// The columns of a track's row from the left, after its label: the control array, the header
// label and its caption, the width, and what a screen reader adds to the row's label.
struct Column {
  const char* array;
  ControlKind kind;
  const char* head;
  const char* headText;
  int width;
  const char* nameSuffix;
};

constexpr Column kColumns[] = {
    {"cmbFormat", ControlKind::List, "lblFormatHead", "Format", 1575, " format"},
    {"cmbChannels", ControlKind::List, "lblChannelsHead", "Channels", 855, " channels"},
    {"cmbBitrate", ControlKind::List, "lblBitrateHead", "Bitrate (kbit/s)", 1320, " bitrate"},
    {"cmbSampleRate", ControlKind::List, "lblSampleRateHead", "Sample rate", 975, " sample rate"},
    {"cmbBits", ControlKind::List, "lblBitsHead", "Bits", 675, " bits"},
    {"txtTrackSize", ControlKind::TextBox, "lblSizeHead", "Size (bytes)", 1455, " size"},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));
constexpr int kRowCount = static_cast<int>(kMaxAudioTracks);

constexpr int ColumnLeft(int column) {
  int left = kMargin + kTrackLabelWidth + kGap;
  for (int i = 0; i < column; ++i) left += kColumns[i].width + kGap;
  return left;
}
constexpr int kSizeLeft = ColumnLeft(kColumnCount - 1);
constexpr int kRight = kSizeLeft + kColumns[kColumnCount - 1].width;
static_assert(kRight + kMargin == kFrmAudioTracksClientWidth);

constexpr int RowTop(int row) {
  return kFirstRowTop + row * kRowPitch;
}
constexpr int kTotalTop = RowTop(kRowCount) + kGap;
constexpr int kLengthTop = kTotalTop + kRowPitch + kGap;
constexpr int kButtonTop = kLengthTop + kLabelHeight + 2 * kGap + kGap / 2;
static_assert(kButtonTop + kButtonHeight + kMargin == kFrmAudioTracksClientHeight);

// Every focusable control of a row in turn, the rows from the top, then the total and the
// buttons.
constexpr int kTotalTab = kRowCount * kColumnCount;

ControlDesign Label(std::string name, std::string text, Twips rect, Align align = Align::Left) {
  return {.name = std::move(name),
          .kind = ControlKind::Label,
          .text = std::move(text),
          .rect = rect,
          .font = kDialogFont,
          .align = align,
          .back = kButtonFace};
}

// A size: read-only, right aligned, on the dialog background as the main window's results.
ControlDesign SizeBox(std::string name, Twips rect, int tab, std::string label,
                      std::string suffix) {
  return {.name = std::move(name),
          .kind = ControlKind::TextBox,
          .rect = rect,
          .tab = tab,
          .font = kDialogFont,
          .align = Align::Right,
          .readOnly = true,
          .back = kButtonFace,
          .labelledBy = std::move(label),
          .nameSuffix = std::move(suffix)};
}

ControlDesign Button(const char* name, const char* text, int left, int tab, bool isDefault) {
  return {.name = name,
          .kind = ControlKind::Button,
          .text = text,
          .rect = {left, kButtonTop, kButtonWidth, kButtonHeight},
          .tab = tab,
          .font = kDialogFont,
          .back = kButtonFace,
          .defaultButton = isDefault,
          .cancelButton = !isDefault};
}

ControlDesign RowControl(const Column& column, int columnIndex, int row) {
  const Twips rect{ColumnLeft(columnIndex), RowTop(row), column.width, kFieldHeight};
  const int tab = row * kColumnCount + columnIndex;
  std::string label = ControlArrayName("lblTrack", row);
  if (column.kind == ControlKind::TextBox) {
    ControlDesign box = SizeBox(ControlArrayName(column.array, row), rect, tab, std::move(label),
                                column.nameSuffix);
    box.index = row;
    return box;
  }
  return {.name = ControlArrayName(column.array, row),
          .kind = ControlKind::List,
          .rect = rect,
          .tab = tab,
          .font = kDialogFont,
          .index = row,
          .labelledBy = std::move(label),
          .nameSuffix = column.nameSuffix};
}

std::string TrackCaption(int row) {
  std::string caption = "Track ";
  caption += std::to_string(row + 1);
  caption += ':';
  return caption;
}

std::vector<ControlDesign> Build() {
  std::vector<ControlDesign> c;
  for (int column = 0; column < kColumnCount; ++column) {
    const Column& col = kColumns[column];
    c.push_back(Label(col.head, col.headText,
                      {ColumnLeft(column), kHeadTop, col.width, kLabelHeight},
                      col.kind == ControlKind::TextBox ? Align::Right : Align::Left));
  }
  for (int row = 0; row < kRowCount; ++row) {
    ControlDesign label =
        Label(ControlArrayName("lblTrack", row), TrackCaption(row),
              {kMargin, RowTop(row) + kLabelDrop, kTrackLabelWidth, kLabelHeight});
    label.index = row;
    c.push_back(std::move(label));
    for (int column = 0; column < kColumnCount; ++column) {
      c.push_back(RowControl(kColumns[column], column, row));
    }
  }
  const int totalLabelLeft = ColumnLeft(kColumnCount - 3);
  c.push_back(Label(
      "lblTotal", "Total:",
      {totalLabelLeft, kTotalTop + kLabelDrop, kSizeLeft - kGap - totalLabelLeft, kLabelHeight},
      Align::Right));
  c.push_back(SizeBox("txtTotal", {kSizeLeft, kTotalTop, kRight - kSizeLeft, kFieldHeight},
                      kTotalTab, "lblTotal", ""));
  c.push_back(Label("lblLength", "", {kMargin, kLengthTop, kRight - kMargin, kLabelHeight}));
  c.push_back(Button("cmdOK", "OK", kRight - 2 * kButtonWidth - kMargin, kTotalTab + 1, true));
  c.push_back(Button("cmdCancel", "Cancel", kRight - kButtonWidth, kTotalTab + 2, false));
  return c;
}

}  // namespace

std::string ControlArrayName(std::string_view array, int index) {
  return std::string(array) + "(" + std::to_string(index) + ")";
}

const std::vector<ControlDesign>& FrmAudioTracksLayout() {
  static const std::vector<ControlDesign> layout = Build();
  return layout;
}

}  // namespace quillbit
