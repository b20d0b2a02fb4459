// A chemist's journeys through the real simulator window, across restarts: the program runs as
// its own process in a fresh program folder and plays the user's clicks, keys and answers.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "../documents/spectrum_fixtures.h"
#include "documents/clip_block.h"
#include "documents/drawing_file.h"
#include "documents/spec_loaders.h"
#include "documents/spec_packet.h"
#include "drawlib/pardata.h"
#include "plot_readers.h"
#include "program_run.h"

namespace {

const std::string kCalculation = "NMR Spectrum Calculation: ";

// The program played its script to the end (the log ends with "end" or the closing).
void ExpectPlayed(const ProgramRun& run) {
  EXPECT_EQ(run.exitCode, 0) << run.log;
  EXPECT_TRUE(run.events.empty() || run.events.back() == "end" || run.events.back() == "close")
      << run.log;
}

// The checked one of the listed buttons ("AB*" in "Spectrum, AB*, AB2"), "" when none.
std::string Checked(const std::string& buttons) {
  std::string found;
  std::size_t at = 0;
  while (at <= buttons.size()) {
    std::size_t end = buttons.find(", ", at);
    if (end == std::string::npos) end = buttons.size();
    const std::string b = buttons.substr(at, end - at);
    if (!b.empty() && b.back() == '*') found += (found.empty() ? "" : ",") + b.substr(0, b.size() - 1);
    at = end + 2;
  }
  return found;
}

// The fingerprint part of a trace line ("1a26... min 0 max 2970").
std::string TraceId(const std::string& trace) { return trace.substr(0, trace.find(' ')); }
double TraceMax(const std::string& trace) {
  const std::size_t at = trace.find(" max ");
  return at == std::string::npos ? 0 : std::stod(trace.substr(at + 5));
}

// A proton spectrum of 1024 points over 1000 Hz at 200 MHz with two lines, as a Lybrics file;
// `keep` points of it stored (fewer than the header names make a damaged file).
std::string LybricsSpectrum(std::size_t keep) {
  std::vector<int32_t> values;
  for (int i = 0; i < 1024; ++i) {
    const double a = (i - 300) / 4.0, b = (i - 700) / 6.0;
    values.push_back(static_cast<int32_t>(100000 / (1 + a * a) + 60000 / (1 + b * b)));
  }
  values.resize(keep);
  return LybricsFile(2 * 1024, 1000, 200, 0, values).bytes;
}

}  // namespace

// Start, close, start again: the default group is reopened, and a type chosen in each of the
// four groups re-shapes the window each time.
TEST(Journeys, TypesInEveryGroupAfterARestart) {
  ProgramFolder folder("types-after-restart");
  const ProgramRun first = folder.Run({"dump started", "close"});
  ExpectPlayed(first);
  EXPECT_EQ(Squeezed(first.Get("started", "caption")), kCalculation + "AB");
  EXPECT_EQ(Checked(first.Get("started", "types")), "AB");
  EXPECT_TRUE(FileExists(folder.Bin("default.sim")));
  EXPECT_NE(ReadFile(folder.Bin("KAVO71.ini")).find("default.sim"), std::string::npos)
      << "the settings name the group to reopen:\n" << ReadFile(folder.Bin("KAVO71.ini"));

  struct Step {
    const char* button;   // clicked: a group, then a type of it
    const char* pattern;  // the frame of the type buttons
    const char* checked;  // the type button that is on
    const char* type;     // the type caption in the window's title
  };
  const Step steps[] = {
      {"ABX", "Multiplet", "ABX", "ABX"},
      {"2-7 Spin", "2-7 Spin", "AB", "AB"},
      {"4-Spin", "2-7 Spin", "4-Spin", "Four Spin"},
      {"KAVO", "KAVO", "2-spin", "Kavo 2 Spin"},
      {"AB Coupl", "KAVO", "AB Coupl", "Kavo Coupled AB"},
      {"Custom", "Custom", "1:2:1 tripl", "Kavo 1:2:1 t Random"},
      {"Septet", "Custom", "Septet", "Kavo 1:2:3:4:3:2:1 Random"},
  };
  std::vector<std::string> script = {"dump reopened"};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    script.push_back("click \"" + std::string(steps[i].button) + "\"");
    script.push_back("dump step" + std::to_string(i));
  }
  script.push_back("close");
  const ProgramRun second = folder.Run(script);
  ExpectPlayed(second);
  for (const char* key : {"caption", "types", "rows", "trace"})
    EXPECT_EQ(second.Get("reopened", key), first.Get("started", key)) << key;

  std::string before = "reopened";
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(std::string("clicked ") + steps[i].button);
    const std::string now = "step" + std::to_string(i);
    EXPECT_EQ(second.Get(now, "pattern"), steps[i].pattern);
    EXPECT_EQ(Checked(second.Get(now, "types")), steps[i].checked);
    EXPECT_EQ(Squeezed(second.Get(now, "caption")), kCalculation + steps[i].type);
    EXPECT_NE(second.Get(now, "rows"), second.Get(before, "rows"));
    EXPECT_NE(TraceId(second.Get(now, "trace")), TraceId(second.Get(before, "trace")));
    EXPECT_NE(second.Get(now, "picture"), second.Get(before, "picture"));
    before = now;
  }
}

// A spectrum file opened, the AB simulation fitted to it with the difference shown; a damaged
// file then says so and leaves the fit as it was.
TEST(Journeys, LineFittingSurvivesADamagedFile) {
  ProgramFolder folder("line-fitting");
  const std::string good = folder.Work("ethanol.lyb");
  const std::string damaged = folder.Work("broken.lyb");
  WriteFile(good, LybricsSpectrum(1024));
  WriteFile(damaged, LybricsSpectrum(100));
  const ProgramRun run = folder.Run({
      "menu File \"Open New Spectrum ...\"", "file " + good, "dump spectrum",
      "click AB", "answer Yes", "dump fitting",
      "click Diff", "dump difference",
      "menu File \"Open New Spectrum ...\"", "file " + damaged, "answer OK", "dump damaged",
      "close"});
  ExpectPlayed(run);

  EXPECT_EQ(run.Get("spectrum", "caption"), "NMR Spectrum: " + good);
  EXPECT_EQ(Checked(run.Get("spectrum", "types")), "Spectrum");
  EXPECT_NE(run.Get("spectrum", "rows").find("WdthHz=1000.0"), std::string::npos)
      << run.Get("spectrum", "rows");
  EXPECT_GT(TraceMax(run.Get("spectrum", "trace")), 0);

  const std::vector<std::string> boxes = run.Events("box: ");
  ASSERT_EQ(boxes.size(), 2u) << run.log;
  EXPECT_EQ(boxes[0], "[KAVO] Start Linefitting (simultaneous display of Spectrum and Simulation)?");
  EXPECT_EQ(Squeezed(run.Get("fitting", "caption")), "NMR Line Fitting of AB [" + good + "]");
  EXPECT_EQ(Checked(run.Get("fitting", "types")), "AB");
  EXPECT_EQ(TraceId(run.Get("fitting", "experimental")), TraceId(run.Get("spectrum", "trace")))
      << "the spectrum is shown under the simulation";
  EXPECT_NE(TraceId(run.Get("fitting", "trace")), TraceId(run.Get("spectrum", "trace")));
  EXPECT_EQ(run.Get("fitting", "errors").rfind("shown", 0), 0u) << run.Get("fitting", "errors");
  EXPECT_EQ(run.Get("fitting", "diff"), "shown up");

  EXPECT_EQ(run.Get("difference", "diff"), "shown down");
  EXPECT_NE(run.Get("difference", "picture"), run.Get("fitting", "picture"))
      << "the difference trace is drawn";

  EXPECT_NE(boxes[1].find(damaged), std::string::npos) << boxes[1];
  EXPECT_NE(boxes[1].find("damaged"), std::string::npos) << boxes[1];
  for (const char* key : {"caption", "types", "rows", "trace", "experimental", "errors", "diff"})
    EXPECT_EQ(run.Get("damaged", key), run.Get("difference", key)) << key << " after the damaged file";
}

namespace {

// A 1024-point, 1000 Hz Lybrics spectrum with one line of the given height at point `at`.
std::string OneLineSpectrum(int at, double height) {
  std::vector<int32_t> values;
  for (int i = 0; i < 1024; ++i) {
    const double a = (i - at) / 5.0;
    values.push_back(static_cast<int32_t>(height / (1 + a * a)));
  }
  return LybricsFile(2 * 1024, 1000, 200, 0, values).bytes;
}

// The newest entry of the error list ("shown 42.0 | 56.7 | Error" gives "42.0").
std::string NewestError(const std::string& errors) {
  const std::size_t from = errors.find(' ') + 1;
  return errors.substr(from, errors.find(" |") - from);
}

// The lines that open a spectrum file and start line fitting with AB and its difference.
std::vector<std::string> FitTo(const std::string& file) {
  return {"menu File \"Open New Spectrum ...\"", "file " + file, "click AB", "answer Yes",
          "click Diff"};
}

// A fit started on this file alone, shown as "alone": what a later load of it must show.
ProgramRun FitAlone(ProgramFolder& folder, const std::string& file) {
  std::vector<std::string> script = FitTo(file);
  script.insert(script.end(), {"dump alone", "close"});
  ProgramRun run = folder.Run(script);
  ExpectPlayed(run);
  return run;
}

}  // namespace

// During line fitting a second spectrum, opened from the File menu or from the recent-file list,
// replaces the first under the simulation: drawn at the display's height like the first, with
// its own difference and error, as if it had been the first one loaded.
TEST(Journeys, LineFittingTakesASecondSpectrum) {
  ProgramFolder folder("second-spectrum");
  const std::string first = folder.Work("ethanol.lyb");
  const std::string second = folder.Work("acetone.lyb");
  WriteFile(first, LybricsSpectrum(1024));
  // Another line at another place, with a raw height thirty times smaller.
  WriteFile(second, OneLineSpectrum(450, 5000));
  std::vector<std::string> script = FitTo(first);
  script.insert(script.end(), {"dump first",
                               "menu File \"Open New Spectrum ...\"", "file " + second,
                               "dump second", "menu File " + first, "dump again", "close"});
  const ProgramRun run = folder.Run(script);
  ExpectPlayed(run);
  // The same fit started on the second spectrum alone: what its second load must show.
  const ProgramRun reference = FitAlone(folder, second);

  EXPECT_EQ(Squeezed(run.Get("second", "caption")), "NMR Line Fitting of AB [" + second + "]");
  const double firstMax = TraceMax(run.Get("first", "experimental"));
  EXPECT_GT(firstMax, 100) << run.Get("first", "experimental");
  EXPECT_GT(TraceMax(run.Get("second", "experimental")), 0.5 * firstMax)
      << "the second spectrum is drawn at the display's height, not flat: "
      << run.Get("second", "experimental");
  for (const char* key : {"trace", "experimental", "difference"}) {
    EXPECT_EQ(run.Get("second", key), reference.Get("alone", key)) << key;
    EXPECT_EQ(run.Get("again", key), run.Get("first", key)) << key << " from the recent-file list";
  }
  EXPECT_NE(run.Get("second", "difference"), run.Get("first", "difference"));
  EXPECT_EQ(NewestError(run.Get("second", "errors")), NewestError(reference.Get("alone", "errors")));
  EXPECT_EQ(NewestError(run.Get("again", "errors")), NewestError(run.Get("first", "errors")));
  EXPECT_EQ(Squeezed(run.Get("again", "caption")), "NMR Line Fitting of AB [" + first + "]");
}

// The spectrum of OneLineSpectrum as another program copies it: a ClipBlock of type 64 holding
// a spectrum object, the bytes of the private clipboard format.
std::string OneLineSpectrumObject(int at, double height) {
  PardataBuild();  // the copying program's spectrum layout
  SpecRec rec;
  SpecReset(rec);
  rec.WdthHz = rec.ImpWdthHz = rec.DispWdthHz = 1000;
  rec.NumPts = rec.ImpNumPts = 1024;
  rec.HzPerPt = 1000.0f / 1024;
  rec.MHz = 200;
  rec.Flags |= kSpecFlagCurrentLayout;
  rec.Kind = 0;  // experimental
  rec.Strings[0] = "M > Acetone";
  // The file lists its values from the highest point down; the object holds points 0..1024.
  std::vector<int16_t> points(1025, 0);
  for (int i = 0; i < 1024; ++i) {
    const double a = (i - at) / 5.0;
    points[static_cast<size_t>(1024 - i)] = static_cast<int16_t>(int32_t(height / (1 + a * a)));
  }
  ByteArray data;
  std::string label;
  SpecPack(data, label, "", rec, points);
  std::string block;
  ClipBlockMake(StepData(data), kClipSpectrumBit, block);
  return block;
}

// During line fitting a spectrum that another program put on the clipboard replaces the first
// under the simulation, as the same spectrum opened from a file does.
TEST(Journeys, LineFittingTakesASpectrumFromTheClipboard) {
  ProgramFolder folder("clipboard-spectrum");
  const std::string first = folder.Work("ethanol.lyb");
  const std::string second = folder.Work("acetone.lyb");
  const std::string copied = folder.Work("acetone.clip");
  WriteFile(first, LybricsSpectrum(1024));
  WriteFile(second, OneLineSpectrum(450, 5000));
  WriteFile(copied, OneLineSpectrumObject(450, 5000));
  std::vector<std::string> script = FitTo(first);
  script.insert(script.end(), {"dump first", std::string("clipboard ") + kClipFormatMime + " " + copied,
                               "menu File \"Import ZEF NMR Clipboard\"", "dump imported",
                               "close"});
  const ProgramRun run = folder.Run(script);
  ExpectPlayed(run);
  const ProgramRun reference = FitAlone(folder, second);

  EXPECT_EQ(run.Events("box: ").size(), 1u) << "only the question that starts the fit\n" << run.log;
  EXPECT_EQ(Squeezed(run.Get("imported", "caption")), "NMR Line Fitting of AB [<clipboard>]");
  EXPECT_GT(TraceMax(run.Get("imported", "experimental")),
            0.5 * TraceMax(run.Get("first", "experimental")))
      << "drawn at the display's height: " << run.Get("imported", "experimental");
  for (const char* key : {"trace", "experimental", "difference"})
    EXPECT_EQ(run.Get("imported", key), reference.Get("alone", key)) << key;
  EXPECT_EQ(NewestError(run.Get("imported", "errors")),
            NewestError(reference.Get("alone", "errors")));
}

// A session that never touches the print box (types, line fitting, an export, the preview and
// the layout dialog opened and closed) and a restart that reads the box back from the group
// leave the settings' box width as it was written.
TEST(Journeys, AnUntouchedPrintBoxKeepsItsSetting) {
  ProgramFolder folder("print-box");
  WriteFile(folder.Bin("KAVO71.ini"), "[KavoConfiguration]\r\nPrintBoxWidth= 7874\r\n");
  const std::string spectrum = folder.Work("ethanol.lyb");
  WriteFile(spectrum, LybricsSpectrum(1024));
  auto boxWidth = [&] {
    const std::string ini = ReadFile(folder.Bin("KAVO71.ini"));
    const std::size_t at = ini.find("PrintBoxWidth=");
    return at == std::string::npos ? std::string("none") : ini.substr(at, ini.find('\r', at) - at);
  };
  const ProgramRun first = folder.Run({
      "click ABX", "click \"2-7 Spin\"", "click 4-Spin",
      "menu File \"Open New Spectrum ...\"", "file " + spectrum, "click AB", "answer Yes",
      "menu Export \"Image WMF/EMF/GIF/BMP\"", "click \"Encapsulated PostScript (EPS)\"",
      "click \"Disk File\"", "click OK", "file " + folder.Work("plot.eps"),
      "menu Print \"Print preview/setup ...\"", "click \"Spectrum Layout\"", "click Redraw",
      "click OK", "click Close",
      "close"});
  ExpectPlayed(first);
  EXPECT_TRUE(FileExists(folder.Work("plot.eps"))) << first.log;
  EXPECT_EQ(boxWidth(), "PrintBoxWidth= 7874");
  const ProgramRun second = folder.Run({"dump reopened", "click ABX", "close"});
  ExpectPlayed(second);
  EXPECT_EQ(boxWidth(), "PrintBoxWidth= 7874") << "after reading the box back from the group";
}

// A new group with three items of three type groups, saved; after a restart Next and Prev
// step through them, and a type chosen then takes over the window.
TEST(Journeys, GroupItemsAcrossARestart) {
  ProgramFolder folder("group-items");
  const std::string group = folder.Work("ethyl.sim");
  const ProgramRun saving = folder.Run({
      "menu Sim-Group \"New Simulation Group...\"", "file " + group, "input \"Ethyl groups\"",
      "click ABX", "menu SimSave 1.", "input \"ABX one\"",
      "click \"2-7 Spin\"", "click 4-Spin", "menu SimSave 2.", "input four",
      "click KAVO", "click \"AB Coupl\"", "menu SimSave 3.", "input exchange",
      "close"});
  ExpectPlayed(saving);
  std::string sim;
  for (char c : ReadFile(group))
    if (c != '\r') sim += c;
  EXPECT_TRUE(FileExists(folder.Work("ethyl.zef")));
  EXPECT_NE(sim.find("Title=Ethyl groups"), std::string::npos) << sim;
  struct Item {
    const char* section;
    const char* type;
    const char* group;
    const char* name;
  };
  for (const Item& item : {Item{"[SaveRestore 0]", "Type= 9", "Group= 0", "Name=ABX one"},
                           Item{"[SaveRestore 1]", "Type= 4", "Group= 1", "Name=four"},
                           Item{"[SaveRestore 2]", "Type= 16", "Group= 2", "Name=exchange"}}) {
    const std::size_t at = sim.find(item.section);
    ASSERT_NE(at, std::string::npos) << item.section << " in\n" << sim;
    const std::string body = sim.substr(at, sim.find("\n[", at + 1) - at);
    for (const char* line : {item.type, item.group, item.name})
      EXPECT_NE(body.find(std::string("\n") + line + "\n"), std::string::npos) << line << " in\n" << body;
  }

  const ProgramRun stepping = folder.Run({"dump reopened", "click Next", "dump next",
                                          "click Next", "dump last", "click Prev", "dump back",
                                          "click 3-Spin", "dump chosen", "close"});
  ExpectPlayed(stepping);
  struct Shown {
    const char* label;
    const char* pattern;
    const char* checked;
    const char* type;
  };
  const Shown shown[] = {{"reopened", "Multiplet", "ABX", "ABX"},
                         {"next", "2-7 Spin", "4-Spin", "Four Spin"},
                         {"last", "KAVO", "AB Coupl", "Kavo Coupled AB"},
                         {"back", "2-7 Spin", "4-Spin", "Four Spin"},
                         {"chosen", "2-7 Spin", "3-Spin", "ABC"}};
  for (const Shown& s : shown) {
    SCOPED_TRACE(s.label);
    EXPECT_EQ(stepping.Get(s.label, "pattern"), s.pattern);
    EXPECT_EQ(Checked(stepping.Get(s.label, "types")), s.checked);
    EXPECT_EQ(Squeezed(stepping.Get(s.label, "caption")), kCalculation + s.type);
  }
  EXPECT_EQ(stepping.Get("back", "rows"), stepping.Get("next", "rows"));
  EXPECT_EQ(stepping.Get("back", "trace"), stepping.Get("next", "trace"));
  EXPECT_NE(stepping.Get("chosen", "rows"), stepping.Get("back", "rows"));
  EXPECT_NE(TraceId(stepping.Get("chosen", "trace")), TraceId(stepping.Get("back", "trace")));
}

// Two programs on one group: A has the group editor open while B saves item 2 under a new name
// and type; A's save from the editor then keeps B's item in the group and its page in the
// drawing, without a question (A left that item alone).
TEST(Journeys, TwoProgramsSaveIntoOneGroup) {
  ProgramFolder a("two-programs-a"), b("two-programs-b");
  const std::string group = a.Work("shared.sim"), zef = a.Work("shared.zef");
  const std::string editorOpen = a.Work("editor-open"), bSaved = a.Work("b-saved");
  ExpectPlayed(a.Run({"menu Sim-Group \"New Simulation Group...\"", "file " + group,
                      "input Shared", "click ABX", "menu SimSave 1.", "input one",
                      "menu SimSave 2.", "input two", "menu SimSave 3.", "input three",
                      "close"}));
  auto page2 = [&] {
    PageArray pages(2);
    EXPECT_EQ(FileLoadBin32Bit(pages, zef, 0), 0);
    return pages.size() > 2 ? pages[2].objects.bytes : std::vector<uint8_t>{};
  };
  const auto pageBefore = page2();

  // A reopens the group, opens the editor, tells B and waits for B's save before saving.
  ProgramRun editing;
  std::thread programA([&] {
    editing = a.Run({"menu Sim-Group \"Simulation Editor\"", "dump editor", "touch " + editorOpen,
                     "waitfile " + bSaved, "click \"Save Sim File\"", "click Exit", "dump saved",
                     "close"});
  });
  const ProgramRun saving = b.Run({"waitfile " + editorOpen, "menu Sim-Group \"Open Simulation Group...\"",
                                   "file " + group, "answer OK", "click \"2-7 Spin\"", "click 4-Spin",
                                   "menu SimSave \"2. two\"", "input \"four by B\"",
                                   "touch " + bSaved, "close"});
  if (!FileExists(bSaved)) WriteFile(bSaved, "");  // B failed: A need not wait in vain
  const auto pageOfB = page2();
  programA.join();
  ExpectPlayed(saving);
  ExpectPlayed(editing);
  EXPECT_NE(editing.Get("editor", "open").find("Simulation Group Editor"), std::string::npos)
      << editing.log;
  ASSERT_EQ(saving.Events("box: ").size(), 1u) << saving.log;  // the group opened
  EXPECT_NE(saving.Events("box: ")[0].find("] opened."), std::string::npos) << saving.log;
  EXPECT_TRUE(editing.Events("box: ").empty()) << editing.log;

  std::string sim;
  for (char c : ReadFile(group))
    if (c != '\r') sim += c;
  const std::size_t at = sim.find("[SaveRestore 1]");
  ASSERT_NE(at, std::string::npos) << sim;
  const std::string item2 = sim.substr(at, sim.find("\n[", at + 1) - at);
  EXPECT_NE(item2.find("\nName=four by B\n"), std::string::npos) << item2;
  EXPECT_NE(item2.find("\nType=4\n"), std::string::npos) << item2;
  for (const char* other : {"\nName=one\n", "\nName=three\n"})
    EXPECT_NE(sim.find(other), std::string::npos) << other << " in\n" << sim;
  EXPECT_NE(pageOfB, pageBefore) << "B's save drew item 2 anew";
  EXPECT_EQ(page2(), pageOfB) << "item 2's page after A's save is B's";
}

// The AB plot exported to EPS, GIF, WMF and EMF files and printed on the PDF printer; every
// file, read by a program of its own, shows the trace above its baseline and the labels.
TEST(Journeys, ExportsAndPrintReadBack) {
  ProgramFolder folder("exports");
  auto exportTo = [&](std::vector<std::string> choose, const std::string& file, bool saidSaved) {
    std::vector<std::string> lines = {"menu Export \"Image WMF/EMF/GIF/BMP\""};
    for (std::string& c : choose) lines.push_back("click \"" + c + "\"");
    lines.push_back("click \"Disk File\"");
    lines.push_back("click OK");
    lines.push_back("file " + folder.Work(file));
    if (saidSaved) lines.push_back("answer OK");
    return lines;
  };
  std::vector<std::string> script = {"dump before"};
  for (const auto& part : {exportTo({"Encapsulated PostScript (EPS)"}, "plot.eps", false),
                           exportTo({"Graphics Interchange (GIF-S)"}, "plot.gif", true),
                           exportTo({"Windows Metafile (WMF-S) - Format for Screen"}, "plot.wmf", true),
                           exportTo({"Enhanced MF", "Windows Metafile (EMF-S) - Format for Screen"},
                                    "plot.emf", true)})
    script.insert(script.end(), part.begin(), part.end());
  script.insert(script.end(), {"menu Print \"Print spectrum\"", "file " + folder.Work("plot.pdf"),
                               "dump printed", "close"});
  const ProgramRun run = folder.Run(script);
  ExpectPlayed(run);
  const std::vector<std::string> boxes = run.Events("box: ");
  EXPECT_EQ(boxes.size(), 3u) << run.log;
  for (const std::string& box : boxes)
    EXPECT_EQ(box.rfind("[ZEF Export] Saved to Disk: " + folder.Work(""), 0), 0u) << box;
  // While the box is up, the window shows what it showed before: the export drew off screen.
  for (const std::string& behind : run.Events("behind: "))
    EXPECT_EQ(behind, run.Get("before", "window")) << "the window behind a \"Saved to Disk\" box";

  const std::string w = folder.Work("");
  struct Reader {
    const char* file;
    std::string raster;  // a command that writes <file>.ppm, or "" for a metafile
    std::string text;    // a command that prints the texts, or "" (a bitmap has none)
    std::string svg;     // a command that writes <file>.svg
  };
  const Reader readers[] = {
      {"plot.eps",
       "gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r96 -sDEVICE=ppmraw -sOutputFile=" + w +
           "plot.eps.ppm " + w + "plot.eps",
       "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -sOutputFile=- " + w + "plot.eps", ""},
      {"plot.gif", "giftopnm " + w + "plot.gif | ppmtoppm > " + w + "plot.gif.ppm", "", ""},
      {"plot.wmf", "", "", "wmf2svg -o " + w + "plot.wmf.svg " + w + "plot.wmf"},
      {"plot.emf", "", "", "emf2svg-conv -i " + w + "plot.emf -o " + w + "plot.emf.svg"},
      {"plot.pdf", "pdftoppm -r 200 -aaVector no -singlefile " + w + "plot.pdf " + w + "plot.pdf",
       "pdftotext -layout " + w + "plot.pdf -", ""},
  };
  const std::vector<std::string> labels = {"Simulation of AB", "Jab = 12.00", "Vab = 15.00",
                                           "Wa = 0.50", "ppm", "1.4", "0.0"};
  const std::vector<std::string> parameters = {"Jab =", "Vab =", "Vcentr =", "Va =", "Vb =",
                                               "Wa ="};
  std::vector<std::pair<std::string, std::vector<std::string>>> orders;
  for (const Reader& r : readers) {
    SCOPED_TRACE(r.file);
    ASSERT_TRUE(FileExists(w + r.file)) << run.log;
    int status = 0;
    std::string texts;
    if (!r.raster.empty()) {
      const std::string out = Shell(r.raster, status);
      ASSERT_EQ(status, 0) << out;
      const Raster picture = LoadPpm(w + r.file + ".ppm");
      ASSERT_GT(picture.width, 0) << "no picture read back";
      const RasterTrace trace = FindRasterTrace(picture);
      // The title and the eight parameter lines stand above the trace.
      EXPECT_TRUE(trace.baseline && trace.peakColumns >= 2 && trace.inkBelow >= 6 &&
                  trace.textLines >= 9)
          << trace.Describe() << " in a picture of " << picture.width << " x " << picture.height;
    }
    if (!r.svg.empty()) {
      const std::string out = Shell(r.svg, status);
      ASSERT_EQ(status, 0) << out;
      const SvgPlot plot = ReadSvgPlot(ReadFile(w + r.file + ".svg"));
      EXPECT_TRUE(plot.tracePoints >= 100 && plot.baselineShare >= 0.3 &&
                  plot.highestY <= plot.baselineY - 0.1 * plot.width &&
                  plot.lowestY <= plot.baselineY + 0.01 * plot.width)
          << plot.Describe();
      for (const std::string& t : plot.texts) texts += t + "\n";
    }
    if (!r.text.empty()) {
      texts = Shell(r.text, status);
      ASSERT_EQ(status, 0) << texts;
    }
    if (r.svg.empty() && r.text.empty()) continue;
    std::vector<std::string> order;
    std::vector<std::size_t> at;
    for (const std::string& label : labels)
      EXPECT_NE(texts.find(label), std::string::npos) << "no label \"" << label << "\" in\n" << texts;
    for (const std::string& p : parameters) {
      const std::size_t where = texts.find(p);
      if (where == std::string::npos) continue;
      std::size_t i = 0;
      while (i < at.size() && at[i] < where) ++i;
      at.insert(at.begin() + static_cast<std::ptrdiff_t>(i), where);
      order.insert(order.begin() + static_cast<std::ptrdiff_t>(i), p);
    }
    orders.push_back({r.file, order});
  }
  // One drawing: every output lists the box parameters in the same order.
  for (const auto& [file, order] : orders)
    EXPECT_EQ(order, orders.front().second) << file << " against " << orders.front().first;
}
