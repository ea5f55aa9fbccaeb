#include "core/line_reader.h"

#include <cstring>

namespace quillbit {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t maxLine)
    : in_(in), maxLine_(maxLine), chunk_(kChunk) {}

bool LineReader::Fill() {
  if (!in_) return false;
  in_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
  size_ = static_cast<std::size_t>(in_.gcount());
  pos_ = 0;
  return size_ > 0;
}

LineReader::Status LineReader::Stop(Status status) {
  stopped_ = true;
  pending_.clear();
  pending_.shrink_to_fit();
  return status;
}

LineReader::Status LineReader::Next(std::string_view& line) {
  if (stopped_) return Status::End;
  pending_.clear();
  for (;;) {
    if (pos_ == size_ && !Fill()) {
      if (in_.bad()) return Stop(Status::ReadError);
      if (pending_.empty()) return Stop(Status::End);
      // The last line, without a line break after it.
      stopped_ = true;
      line = WithoutCarriageReturn(pending_);
      return Status::Line;
    }
    const char* const start = chunk_.data() + pos_;
    const std::size_t available = size_ - pos_;
    const auto* const newline = static_cast<const char*>(std::memchr(start, '\n', available));
    const std::size_t length =
        newline != nullptr ? static_cast<std::size_t>(newline - start) : available;
    if (pending_.size() + length > maxLine_) return Stop(Status::TooLong);
    if (newline == nullptr) {
      pending_.append(start, length);
      pos_ = size_;
      continue;
    }
    pos_ += length + 1;
    if (pending_.empty()) {
      line = WithoutCarriageReturn(std::string_view(start, length));
    } else {
      pending_.append(start, length);
      line = WithoutCarriageReturn(pending_);
    }
    return Status::Line;
  }
}

}  // namespace quillbit
