#include "core/calc.h"

#include <cmath>

#include "core/number_text.h"
#include "core/units.h"

namespace quillbit {
namespace {

// Double arithmetic that notices what VB would raise: division by zero, overflow, invalid result.
class Checked {
 public:
  double Mul(double a, double b) { return Check(a * b); }
  double Sub(double a, double b) { return Check(a - b); }
  double Add(double a, double b) { return Check(a + b); }
  double Div(double a, double b) {
    if (b == 0) failed_ = true;
    return failed_ ? 0 : Check(a / b);
  }
  double Check(double x) {
    if (!std::isfinite(x)) failed_ = true;
    return failed_ ? 0 : x;
  }
  bool Failed() const { return failed_; }

 private:
  bool failed_ = false;
};

void Fail(CalcResult& r) {
  r.failed = true;
  r.Write(CalcTarget::txtCCEMin, "0");
  r.Write(CalcTarget::txtM2VSize, "0");
}

double SlopeFor(double seconds) {
  if (seconds < 60) return -0.0011;
  if (seconds < 120) return -0.0012;
  if (seconds < 180) return -0.00125;
  return -0.0013;
}

// The steps of one run into r, which the caller owns so that the result is never copied.
void Run(const CalcInputs& in, const NumberLocale& locale, CalcResult& r) {
  Checked a;

  // Step 1: strict reads.
  const auto fps = ParseNumber(in.txtFPS, locale);
  if (!fps) return Fail(r);
  const auto frames = ParseNumber(in.txtFrames, locale);
  if (!frames) return Fail(r);

  // Step 2: playing time; each product is formed afresh, subtractions run left to right.
  const double perHour = a.Mul(*fps, 3600);
  const double h = std::floor(a.Div(*frames, perHour));
  const double perMinute = a.Mul(*fps, 60);
  const double m = std::floor(a.Div(a.Sub(*frames, a.Mul(h, a.Mul(*fps, 3600))), perMinute));
  const double afterMinutes =
      a.Sub(a.Sub(*frames, a.Mul(h, a.Mul(*fps, 3600))), a.Mul(m, a.Mul(*fps, 60)));
  const double s = std::floor(a.Div(afterMinutes, *fps));
  const double f = std::floor(
      a.Sub(a.Sub(a.Sub(*frames, a.Mul(h, a.Mul(*fps, 3600))), a.Mul(m, a.Mul(*fps, 60))),
            a.Mul(s, *fps)));
  if (a.Failed()) return Fail(r);
  std::string length;
  AppendPlainText(length, h, locale);
  length += "h, ";
  AppendPlainText(length, m, locale);
  length += "m, ";
  AppendPlainText(length, s, locale);
  length += "s, ";
  AppendPlainText(length, f, locale);
  length += 'f';
  r.Write(CalcTarget::txtLength, std::move(length));

  // Step 3: room for the video; subtitles count 2 %.
  const double v =
      a.Sub(a.Sub(a.Sub(in.bytes_dest, in.bytes_cush), in.bytes_aud), a.Mul(in.bytes_sub, 0.02));
  // Step 4: playing time in seconds. Both texts read strictly above, so NumOrZero of them
  // gives the same numbers again; they are not converted twice.
  const double t = a.Div(*frames, *fps);
  if (a.Failed()) return Fail(r);
  r.bytes_video = v;  // not shown by the window; the command line reports it

  if (in.cmbCCESet == kMethodSinglePass) {
    // Step 6.
    const double b = a.Div(a.Div(v, 128), t);
    if (a.Failed()) return Fail(r);
    const double cap = NumOrZero(in.txtCCEMax, locale);
    double min = 0;
    if (in.ntsc) {
      min = std::nearbyint(a.Div(b, 1.03));
    } else if (b <= 3593) {
      min = std::nearbyint(a.Sub(a.Mul(a.Div(b, 0.657546), 2), 8000));
    } else {
      min = std::nearbyint(a.Sub(a.Mul(b, 1.385), 1975.3));
    }
    if (a.Failed()) return Fail(r);
    if (min > cap) min = cap;
    r.Write(CalcTarget::txtCCEMin, PlainText(min, locale));
    const double m2v = in.ntsc ? a.Mul(a.Mul(a.Mul(min, t), 128), 1.03) : v;
    if (a.Failed()) return Fail(r);
    r.bytes_m2v = m2v;
  } else if (in.cmbCCESet == kMethodBach) {
    // Step 7.
    r.Write(CalcTarget::txtCCEMin, "0");
    r.Write(CalcTarget::txtM2VSize, "0");
    const double k = SlopeFor(t);
    const double p = a.Div(NumOrZero(in.txtSampleFrame, locale), *frames);
    if (a.Failed()) return Fail(r);
    const double percent = RoundHalfEven(a.Mul(p, 100), 2);
    if (a.Failed()) return Fail(r);
    std::string caption = "(";
    AppendPlainText(caption, percent, locale);
    caption += "%)";
    r.Write(CalcTarget::lblSampPerc, std::move(caption));
    if (p == 0) return Fail(r);
    const double qs = NumOrZero(in.txtSampleQ, locale);
    const double intercept = a.Add(qs, a.Mul(a.Div(in.bytes_sampsize, 1024), -k));
    const double target = a.Add(intercept, a.Mul(k, a.Mul(a.Div(v, 1024), p)));
    if (a.Failed()) return Fail(r);
    const auto q = RoundUp(target);
    if (!q) return Fail(r);
    // The box is read back after each write, as the window would.
    const auto lastText = [&r]() -> const std::string& { return r.writes[r.writeCount - 1].text; };
    r.Write(CalcTarget::txtCCEQ, std::to_string(*q));
    if (NumOrZero(lastText(), locale) < 1) r.Write(CalcTarget::txtCCEQ, "1");
    const double qf = NumOrZero(lastText(), locale);
    const double m2v = a.Mul(1024, a.Div(a.Div(a.Sub(qf, intercept), k), p));
    if (a.Failed()) return Fail(r);
    r.bytes_m2v = m2v;
  } else {
    // Step 8: any other method text, "Multi-Pass VBR" among them.
    r.bytes_m2v = v;
    const double avg = std::nearbyint(a.Div(a.Div(v, t), 125));
    if (a.Failed()) return Fail(r);
    std::string avgText = PlainText(avg, locale);
    const double readBack = NumOrZero(avgText, locale);
    r.Write(CalcTarget::txtCCEMin, std::move(avgText));
    const double m2v = a.Mul(a.Mul(readBack, t), 125);
    if (a.Failed()) return Fail(r);
    r.bytes_m2v = m2v;
  }
  r.refreshDisplay = true;
}

}  // namespace

CalcResult calc(const CalcInputs& in, const NumberLocale& locale) {
  CalcResult r;
  Run(in, locale, r);
  return r;
}

}  // namespace quillbit
