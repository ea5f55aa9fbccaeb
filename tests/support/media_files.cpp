#include "tests/support/media_files.h"

#include <cstdio>
#include <fstream>

namespace quillbit {
namespace {

constexpr std::uint8_t kIPicture = 0x10;
constexpr std::uint8_t kPPicture = 0x20;
constexpr std::uint8_t kBPicture = 0x30;
constexpr std::uint8_t kNoPreviousGop = 0x80;
constexpr std::uint8_t kProgressive = 0x40;
constexpr std::uint8_t kTopFieldFirst = 0x02;
constexpr std::uint8_t kRepeatFirstField = 0x01;
constexpr std::int64_t kGop = 12;

// Display order within a GOP: I first, then B B P.
std::uint8_t PictureKind(std::int64_t index) {
  const std::int64_t inGop = index % kGop;
  if (inGop == 0) return kIPicture | kNoPreviousGop;
  return inGop % 3 == 0 ? kPPicture | kNoPreviousGop : kBPicture;
}

std::string Hex(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x", value & 0xFF);
  return text;
}

// Letters: no zero byte, so no start code.
void AppendFiller(std::string& out, std::size_t size, unsigned seed) {
  for (std::size_t i = 0; i < size; ++i) out += static_cast<char>(0x41 + (seed + i * 7) % 57);
}

void AppendStartCode(std::string& out, unsigned char code) {
  out += std::string("\0\0\1", 3);
  out += static_cast<char>(code);
}

// No picture coding extension: the picture is a frame, as in MPEG-1.
constexpr std::uint8_t kNoStructure = 0;
constexpr std::uint8_t kTopFieldPicture = 1;
constexpr std::uint8_t kBottomFieldPicture = 2;
constexpr std::uint8_t kFramePicture = 3;

void AppendSequenceHeader(std::string& out) {
  AppendStartCode(out, 0xB3);  // 720x480, 16:9, 29.97 fps
  out += "\x2D\x01\xE0\x34\xFF\xFF\xE0\x18";
  AppendStartCode(out, 0xB5);  // the sequence extension: main profile, main level, 4:2:0
  out += "\x14\x8A\x11\x41\x11\x41";
}

void AppendPicture(std::string& out, std::int64_t index, std::uint8_t structure,
                   std::size_t sliceBytes) {
  AppendStartCode(out, 0x00);
  out += "\x11\x17\xFF\xF8";
  if (structure != kNoStructure) {
    // Picture coding extension: f_codes 1, intra DC precision 8 bits, the picture structure,
    // then the flags: a frame is progressive with its top field first, a field is neither.
    AppendStartCode(out, 0xB5);
    out += static_cast<char>(0x81);
    out += static_cast<char>(0x11);
    out += static_cast<char>(0x10 | structure);
    out += structure == kFramePicture ? "\x88\x80" : std::string("\x08\x00", 2);
  }
  for (unsigned char slice = 1; slice <= 2; ++slice) {
    AppendStartCode(out, slice);
    AppendFiller(out, sliceBytes, static_cast<unsigned>(index) + slice);
  }
}

void AppendGopHeaderAt(std::string& out, std::int64_t frame) {
  if (frame % 15 != 0) return;
  AppendStartCode(out, 0xB8);
  out += "\x08\x40\x10\x40";
}

}  // namespace

std::string D2vProjectText(const D2vDescription& project) {
  const std::string& br = project.lineBreak;
  std::string text = project.firstLine + br + "1" + br + "VTS_01_1.VOB" + br + br;
  text += "Stream_Type=1" + br + "MPEG_Type=2" + br + "iDCT_Algorithm=5" + br;
  text += "YUVRGB_Scale=1" + br + "Luminance_Filter=0,0" + br + "Clipping=0,0,0,0" + br;
  text += "Aspect_Ratio=16:9" + br + "Picture_Size=" + project.pictureSize + br;
  text += "Field_Operation=" + std::to_string(project.fieldOperation) + br;
  text += "Frame_Rate=" + project.frameRate + br + "Location=0,0,0,0" + br + br;

  const std::size_t total = project.flags.size();
  const auto perLine = static_cast<std::size_t>(project.picturesPerLine);
  std::size_t position = 0;
  for (std::size_t first = 0; first < total || (first == 0 && project.endMarker);
       first += perLine) {
    text += "d00 6 0 " + std::to_string(position) + " 0 1 1";
    for (std::size_t i = first; i < first + perLine && i < total; ++i) {
      text += ' ' + Hex(project.flags[i]);
    }
    if (project.endMarker && first + perLine >= total) text += " ff";
    text += br;
    position += 391168;
  }
  if (project.finished) text += br + *project.finished + br;
  return text;
}

std::vector<std::uint8_t> FilmFlags(std::int64_t pictures) {
  // The fields of four film frames spread over five video frames: TB(T) BT B(T)B TB.
  static constexpr std::uint8_t kCadence[] = {kTopFieldFirst | kRepeatFirstField, 0,
                                              kRepeatFirstField, kTopFieldFirst};
  std::vector<std::uint8_t> flags;
  for (std::int64_t i = 0; i < pictures; ++i) {
    flags.push_back(PictureKind(i) | kProgressive | kCadence[i % 4]);
  }
  return flags;
}

std::vector<std::uint8_t> VideoFlags(std::int64_t pictures) {
  std::vector<std::uint8_t> flags;
  for (std::int64_t i = 0; i < pictures; ++i) flags.push_back(PictureKind(i) | kTopFieldFirst);
  return flags;
}

std::string M2vStream(std::int64_t pictures, std::size_t sliceBytes) {
  std::string out;
  AppendSequenceHeader(out);
  for (std::int64_t i = 0; i < pictures; ++i) {
    AppendGopHeaderAt(out, i);
    AppendPicture(out, i, kNoStructure, sliceBytes);
  }
  AppendStartCode(out, 0xB7);
  return out;
}

std::string M2vFieldStream(std::int64_t frames, std::size_t sliceBytes) {
  std::string out;
  AppendSequenceHeader(out);
  for (std::int64_t i = 0; i < frames; ++i) {
    AppendGopHeaderAt(out, i);
    if (i % 15 == 0) {
      AppendPicture(out, i, kFramePicture, sliceBytes);
    } else {
      AppendPicture(out, i, kTopFieldPicture, sliceBytes);
      AppendPicture(out, i, kBottomFieldPicture, sliceBytes);
    }
  }
  AppendStartCode(out, 0xB7);
  return out;
}

std::string Ac3LikeBytes(std::size_t size) {
  std::string out = "\x0B\x77";
  AppendFiller(out, size, 3);
  return out.substr(0, size);
}

std::string BitmapLikeBytes(std::size_t size) {
  std::string out = "BM";
  AppendFiller(out, size, 5);
  return out.substr(0, size);
}

std::string AviLikeBytes(std::size_t size) {
  std::string out(
      "RIFF\x10\x32\x54\x00"
      "AVI LIST",
      16);
  std::uint32_t state = 12345;
  while (out.size() < size) {
    state = state * 1103515245 + 12345;
    out += static_cast<char>(state >> 23);
  }
  return out.substr(0, size);
}

bool WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

}  // namespace quillbit
