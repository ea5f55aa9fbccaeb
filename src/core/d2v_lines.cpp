#include "core/d2v_lines.h"

#include <charconv>
#include <system_error>

namespace quillbit {
namespace {

constexpr unsigned kDataLineBit = 0x800;
constexpr unsigned kRepeatFirstField = 0x01;
constexpr unsigned kEndOfStream = 0xFF;
// Far above any real rate's terms, low enough that the cross products below cannot overflow.
constexpr std::uint64_t kMaxRateTerm = std::uint64_t{1} << 40;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The words of a line, separated by spaces or tabs.
class Words {
 public:
  explicit Words(std::string_view line) : rest_(line) {}
  std::optional<std::string_view> Next() {
    while (!rest_.empty() && IsBlank(rest_.front())) rest_.remove_prefix(1);
    if (rest_.empty()) return std::nullopt;
    std::size_t length = 0;
    while (length < rest_.size() && !IsBlank(rest_[length])) ++length;
    const std::string_view word = rest_.substr(0, length);
    rest_.remove_prefix(length);
    return word;
  }

 private:
  std::string_view rest_;
};

// The whole word as a number in `base`: no sign, no other character.
std::optional<std::uint64_t> NumberOf(std::optional<std::string_view> word, int base = 10) {
  if (!word || word->empty()) return std::nullopt;
  std::uint64_t value = 0;
  const char* const end = word->data() + word->size();
  const auto [ptr, error] = std::from_chars(word->data(), end, value, base);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<unsigned> HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

// A flag: one or two hex digits.
std::optional<unsigned> FlagOf(std::string_view word) {
  if (word.empty() || word.size() > 2) return std::nullopt;
  unsigned value = 0;
  for (const char c : word) {
    const std::optional<unsigned> digit = HexDigit(c);
    if (!digit) return std::nullopt;
    value = value * 16 + *digit;
  }
  return value;
}

std::optional<DvdRate> RateOfThousandths(std::uint64_t thousandths) {
  switch (thousandths) {
    case 29970:
      return DvdRate::Ntsc;
    case 23976:
      return DvdRate::Film;
    case 25000:
      return DvdRate::Pal;
    default:
      return std::nullopt;
  }
}

std::optional<DvdRate> RateOfRatio(std::uint64_t num, std::uint64_t den) {
  if (num == 0 || den == 0 || num > kMaxRateTerm || den > kMaxRateTerm) return std::nullopt;
  if (num * 1001 == 30000 * den) return DvdRate::Ntsc;
  if (num * 1001 == 24000 * den) return DvdRate::Film;
  if (num == 25 * den) return DvdRate::Pal;
  return std::nullopt;
}

}  // namespace

std::optional<DvdRate> DvdRateOf(std::string_view value) {
  value = Trimmed(value);
  const std::size_t open = value.find('(');
  if (open == std::string_view::npos) return RateOfThousandths(NumberOf(value).value_or(0));
  if (!NumberOf(Trimmed(value.substr(0, open)))) return std::nullopt;
  std::string_view ratio = Trimmed(value.substr(open + 1));
  if (ratio.empty() || ratio.back() != ')') return std::nullopt;
  ratio = Trimmed(ratio.substr(0, ratio.size() - 1));
  const std::size_t slash = ratio.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::optional<std::uint64_t> num = NumberOf(Trimmed(ratio.substr(0, slash)));
  const std::optional<std::uint64_t> den = NumberOf(Trimmed(ratio.substr(slash + 1)));
  if (!num || !den) return std::nullopt;
  return RateOfRatio(*num, *den);
}

std::optional<D2vDataLine> ParseD2vDataLine(std::string_view line, std::int64_t files) {
  Words words(line);
  const std::optional<std::uint64_t> info = NumberOf(words.Next(), 16);
  if (!info || *info > 0xFFF || (*info & kDataLineBit) == 0) return std::nullopt;
  if (!NumberOf(words.Next())) return std::nullopt;  // matrix
  const std::optional<std::uint64_t> file = NumberOf(words.Next());
  if (!file || *file >= static_cast<std::uint64_t>(files)) return std::nullopt;
  for (int field = 0; field < 4; ++field) {  // position, skip, vob, cell
    if (!NumberOf(words.Next())) return std::nullopt;
  }
  D2vDataLine data;
  bool anyFlag = false;
  while (const std::optional<std::string_view> word = words.Next()) {
    if (data.endOfStream) return std::nullopt;
    const std::optional<unsigned> flag = FlagOf(*word);
    if (!flag) return std::nullopt;
    anyFlag = true;
    if (*flag == kEndOfStream) {
      data.endOfStream = true;
      continue;
    }
    ++data.pictures;
    if ((*flag & kRepeatFirstField) != 0) ++data.repeats;
  }
  if (!anyFlag) return std::nullopt;
  return data;
}

std::optional<double> FilmPercentOf(std::string_view line) {
  constexpr std::string_view kFinished = "FINISHED";
  constexpr std::string_view kFilm = "FILM";
  line = Trimmed(line);
  if (!line.starts_with(kFinished)) return std::nullopt;
  line.remove_prefix(kFinished.size());
  if (line.empty() || !IsBlank(line.front())) return std::nullopt;
  line = Trimmed(line);
  double percent = 0;
  const char* const end = line.data() + line.size();
  const auto [ptr, error] = std::from_chars(line.data(), end, percent, std::chars_format::fixed);
  if (error != std::errc() || ptr == end || *ptr != '%') return std::nullopt;
  line.remove_prefix(static_cast<std::size_t>(ptr - line.data()) + 1);
  if (line.empty() || !IsBlank(line.front()) || Trimmed(line) != kFilm) return std::nullopt;
  if (!(percent >= 0 && percent <= 100)) return std::nullopt;
  return percent;
}

}  // namespace quillbit
