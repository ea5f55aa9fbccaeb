#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace quillbit {

// The lines of a text stream, read through a buffer of fixed size, so that a file of any size and
// any content costs the same memory: a line longer than the cap is reported, not kept.
class LineReader {
 public:
  enum class Status { Line, End, TooLong, ReadError };

  LineReader(std::istream& in, std::size_t maxLine);

  // The next line, without its "\n" or "\r\n"; valid until the next call. After anything but
  // Line, the reader has nothing more to give.
  Status Next(std::string_view& line);

 private:
  bool Fill();
  Status Stop(Status status);

  std::istream& in_;
  std::size_t maxLine_;
  std::vector<char> chunk_;
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  std::string pending_;  // the start of a line cut by the chunk's end
  bool stopped_ = false;
};

}  // namespace quillbit
