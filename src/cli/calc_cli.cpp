#include "cli/calc_cli.h"

#include "cli/calc_output.h"
#include "cli/calc_run.h"
#include "cli/cli_options.h"
#include "core/app_info.h"

namespace quillbit {
namespace {

void Complain(std::string& err, const std::string& text) {
  err += kCalcProgramName;
  err += ": ";
  err += text;
  err += '\n';
}

}  // namespace

std::string CalcUsageText() {
  return R"(Usage: quillbit-calc [OPTION]...
Works out what the Quillbit window shows for a CCE encode that must fill a DVD: the movie's
length, the value to give the encoder and the expected size of the MPEG-2 stream.

Input (each defaults to the value a freshly started window shows):
  --frames N            the movie's frame count
  --project FILE        frame count, format and Forced FILM from a DGIndex project (.d2v);
                        --frames, --format, --film and --no-film override it; --format pal
                        also clears its Forced FILM unless --film is given. Give it once
                        per title: several titles on one disc add up their frames, and must
                        share the TV format and Forced FILM
  --format ntsc|pal     TV format (default ntsc)
  --film                Forced FILM: 23.9759 fps with NTSC, 20 with PAL (default: on with
                        NTSC, off with PAL, as a new window has it)
  --no-film             no Forced FILM: 29.969875 or 25 fps
  --method METHOD       single-pass, bach or multi-pass (default single-pass)
  --audio SIZE          audio file(s) total size (default 0)
  --audio-track FORMAT:KBPS[:CHANNELS]
                        an audio track not yet encoded, sized exactly for the movie's length
                        instead of --audio; once per track, at most 8: ac3 (64 to 448
                        kbit/s, 1 to 6 channels), dts (754.5 or 1509.75), lpcm (48 or 96
                        kHz at 16, 20 or 24 bits, up to 8 channels and 6144 kbit/s; the rate
                        per channel tells which), mp2 (MPEG-1 Layer II, 64 to 384, 1 or 2
                        channels). Channels default to 2, for dts to 6.
                        Examples: ac3:448:6, lpcm:1536:2, dts:1509.75, mp2:224
  --subtitles SIZE      subtitle bitmaps' total size, of which 2% count (default 0)
  --cushion SIZE        room kept for authoring (default 120MB)
  --destination SIZE    the disc: a size or dvd-r, dvd+r, dvd-r-dl, dvd+r-dl (default dvd-r,
                        4707319808 bytes)
  --sample-frames N     Bach method: frames in the 1% sample
  --sample-q Q          Bach method: the Q the sample was encoded at
  --sample-size SIZE    Bach method: the size of the sample's stream
  --cce-max N           CCE Max in kbit/s, the cap of the Single Pass minimum (default 8000)

Output:
  --unit UNIT           unit of the estimated size: Bytes, KB, MB or GB (default KB)
  --json                one JSON object instead of text
  --help                this text
  --version             the program's version

A SIZE is a number with an optional unit Bytes, KB, MB or GB (1024-based; none means bytes),
such as 448000KB, 1.5GB or 1610612736. Numbers use "." as the decimal symbol.
Options take their value as "--opt value" or "--opt=value".

The result ends with the check against DVD-Video's limits: the video bitrate at most 9800
kbit/s, the video's peak (CCE Max, or the multi-pass average) plus the audio at most 10080
kbit/s (subtitles left out), room for the video, and an estimate that fits it. A limit broken
is reported there; the exit status stays 0.

Exit status: 0 done, 1 the calculation failed, 2 an input that cannot be used.
)";
}

int RunCalcCli(const std::vector<std::string>& arguments, std::string& out, std::string& err) {
  const ParsedArguments parsed = ParseCliArguments(arguments);
  switch (parsed.action) {
    case CliAction::Help:
      out += CalcUsageText();
      return 0;
    case CliAction::Version:
      out += std::string(kCalcProgramName) + " " + AppInfo{}.VersionText() + "\n";
      return 0;
    case CliAction::Error:
      Complain(err, parsed.error);
      return 2;
    case CliAction::Run:
      break;
  }
  const CalcOutcome outcome = RunCalc(parsed.options);
  if (!outcome.report) {
    Complain(err, outcome.error);
    return outcome.exitStatus;
  }
  for (const std::string& warning : outcome.report->warnings) Complain(err, "warning: " + warning);
  out += parsed.options.json ? ReportJson(*outcome.report) : ReportText(*outcome.report);
  return 0;
}

}  // namespace quillbit
