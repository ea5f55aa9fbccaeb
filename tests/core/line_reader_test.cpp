#include "core/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quillbit {
namespace {

std::vector<std::string> LinesOf(const std::string& text, std::size_t maxLine,
                                 LineReader::Status& last) {
  std::istringstream in(text);
  LineReader reader(in, maxLine);
  std::vector<std::string> lines;
  std::string_view line;
  while ((last = reader.Next(line)) == LineReader::Status::Line) lines.emplace_back(line);
  return lines;
}

TEST(LineReader, SplitsOnEitherLineBreakWithOrWithoutAFinalOne) {
  const std::vector<std::string> expected = {"one", "", "three"};
  for (const char* text : {"one\r\n\r\nthree\r\n", "one\n\nthree", "one\n\r\nthree\r"}) {
    LineReader::Status last{};
    EXPECT_EQ(LinesOf(text, 100, last), expected);
    EXPECT_EQ(last, LineReader::Status::End);
  }
}

TEST(LineReader, KeepsLinesCutByTheReadChunksWhole) {
  std::string text;
  std::vector<std::string> expected;
  for (int i = 0; i < 300; ++i) {
    expected.push_back(std::string(997 + i % 5, static_cast<char>('a' + i % 26)));
    text += expected.back() + "\r\n";
  }
  LineReader::Status last{};
  EXPECT_EQ(LinesOf(text, 1100, last), expected);
  EXPECT_EQ(last, LineReader::Status::End);
}

TEST(LineReader, StopsAtTheFirstLineLongerThanTheCap) {
  for (const std::string& text :
       {"ok\n" + std::string(200000, 'x') + "\nnever", "ok\n" + std::string(101, 'x')}) {
    LineReader::Status last{};
    EXPECT_EQ(LinesOf(text, 100, last), std::vector<std::string>{"ok"});
    EXPECT_EQ(last, LineReader::Status::TooLong);
  }
  LineReader::Status last{};
  EXPECT_EQ(LinesOf(std::string(100, 'x'), 100, last).size(), 1u);
}

}  // namespace
}  // namespace quillbit
