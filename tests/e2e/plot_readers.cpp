#include "plot_readers.h"

#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <cstring>
#include <sstream>

std::string Shell(const std::string& command, int& status) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    status = -1;
    return out;
  }
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int raw = pclose(pipe);
  status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return out;
}

// A baseline is a row inked over much of the width; the trace is the line drawn through it
// (the ink connected to it), whose peaks rise above it. A frame line is such a row too, but
// nothing connected to it rises in the middle. The axis numbers stand under the baseline.
RasterTrace FindRasterTrace(const Raster& p) {
  std::vector<int> rowInk(static_cast<std::size_t>(p.height), 0);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) rowInk[y] += p.Ink(x, y);
  auto isLine = [&](int y) { return y >= 0 && y < p.height && rowInk[y] >= p.width * 35 / 100; };
  std::vector<int> seen(static_cast<std::size_t>(p.width) * p.height, -1);
  RasterTrace best;
  for (int y = 1; y < p.height; ++y) {
    if (!isLine(y) || isLine(y - 1)) continue;
    // Seeds: the longest run of the row (gaps of up to three pixels), not marks beside it.
    int run0 = 0, run1 = -1, start = -1, last = -10;
    for (int x = 0; x < p.width; ++x) {
      if (!p.Ink(x, y)) continue;
      if (x - last > 3) start = x;
      last = x;
      if (x - start > run1 - run0) run0 = start, run1 = x;
    }
    if (run1 - run0 < p.width / 5) continue;
    // The ink connected to the run, and its highest point in each column.
    std::vector<int> top(static_cast<std::size_t>(p.width), p.height);
    std::vector<std::pair<int, int>> stack;
    for (int x = run0; x <= run1; ++x)
      if (p.Ink(x, y) && seen[static_cast<std::size_t>(y) * p.width + x] != y) {
        seen[static_cast<std::size_t>(y) * p.width + x] = y;
        stack.push_back({x, y});
      }
    while (!stack.empty()) {
      const auto [cx, cy] = stack.back();
      stack.pop_back();
      top[cx] = std::min(top[cx], cy);
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = cx + dx, ny = cy + dy;
          if (!p.Ink(nx, ny)) continue;
          int& mark = seen[static_cast<std::size_t>(ny) * p.width + nx];
          if (mark == y) continue;
          mark = y;
          stack.push_back({nx, ny});
        }
    }
    int x0 = 0, x1 = p.width - 1;
    while (top[x0] == p.height) ++x0;
    while (top[x1] == p.height) --x1;
    const int margin = (x1 - x0) * 3 / 100 + 2;
    // A frame: its line turns upwards at its ends.
    bool frame = false;
    for (int x = x0; x <= x1; x += (x == x0 + margin ? x1 - 2 * margin - x0 : 1))
      frame = frame || (top[x] < p.height && y - top[x] >= p.height / 10);
    if (frame) continue;
    RasterTrace t;
    t.baseline = true;
    t.baselineRow = y;
    for (int x = x0 + margin; x <= x1 - margin; ++x) {
      const int rise = top[x] < p.height ? y - top[x] : 0;
      if (rise >= p.height / 10) ++t.peakColumns;
      t.peakHeight = std::max(t.peakHeight, rise);
    }
    int blank = 99;
    for (int x = 0; x < p.width; ++x) {
      bool any = false;
      for (int yy = y + 3; yy < std::min(p.height, y + p.height / 4); ++yy)
        any = any || (!isLine(yy) && p.Ink(x, yy));
      if (any && blank >= 3) ++t.inkBelow;
      blank = any ? 0 : blank + 1;
    }
    // Lines of text above: rows with ink that is neither the trace nor a frame line.
    std::vector<int> colInk(static_cast<std::size_t>(p.width), 0);
    for (int yy = 0; yy < y; ++yy)
      for (int x = 0; x < p.width; ++x) colInk[x] += p.Ink(x, yy);
    bool inText = false;
    for (int yy = 0; yy < y; ++yy) {
      bool text = false;
      for (int x = 0; x < p.width && !isLine(yy) && !text; ++x)
        text = p.Ink(x, yy) && colInk[x] < y / 2 &&
               seen[static_cast<std::size_t>(yy) * p.width + x] != y;
      if (text && !inText) ++t.textLines;
      inText = text;
    }
    if (t.peakHeight > best.peakHeight) best = t;
  }
  return best;
}

std::string RasterTrace::Describe() const {
  std::ostringstream s;
  s << "baseline " << (baseline ? "at row " + std::to_string(baselineRow) : "none") << ", "
    << peakColumns << " peak columns rising up to " << peakHeight << " px, " << inkBelow
    << " marks under it, " << textLines << " lines of text above it";
  return s.str();
}

namespace {

// The text between tags, without the tags and CDATA markers.
std::string WithoutMarkup(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, 9, "<![CDATA[") == 0) {
      i += 9;
    } else if (text.compare(i, 3, "]]>") == 0) {
      i += 3;
    } else if (text[i] == '<') {
      const std::size_t end = text.find('>', i);
      i = end == std::string::npos ? text.size() : end + 1;
    } else {
      out += text[i++];
    }
  }
  return out;
}

// The numbers of a points or path attribute, in order.
std::vector<double> Numbers(const std::string& list) {
  std::vector<double> values;
  const char* p = list.c_str();
  while (*p) {
    const bool starts = (*p >= '0' && *p <= '9') || ((*p == '-' || *p == '.') && p[1] >= '0' && p[1] <= '9');
    if (!starts) {
      ++p;
      continue;
    }
    char* end = nullptr;
    values.push_back(std::strtod(p, &end));
    p = end > p ? end : p + 1;
  }
  return values;
}

}  // namespace

SvgPlot ReadSvgPlot(const std::string& svg) {
  SvgPlot plot;
  for (const char* open : {"<text", "<svg:text"}) {
    const std::string close = std::string("</") + (open + 1) + ">";
    for (std::size_t at = svg.find(open); at != std::string::npos; at = svg.find(open, at + 1)) {
      const char after = at + std::strlen(open) < svg.size() ? svg[at + std::strlen(open)] : '\0';
      if (after != ' ' && after != '>') continue;
      const std::size_t body = svg.find('>', at);
      const std::size_t end = svg.find(close, at);
      if (body == std::string::npos || end == std::string::npos || end < body) continue;
      plot.texts.push_back(WithoutMarkup(svg.substr(body + 1, end - body - 1)));
    }
  }
  // The trace: the point list with the most points, from polylines or paths.
  std::vector<double> best;
  for (const char* attribute : {" points=\"", " d=\""}) {
    for (std::size_t at = svg.find(attribute); at != std::string::npos; at = svg.find(attribute, at + 1)) {
      const std::size_t from = at + std::strlen(attribute);
      const std::size_t to = svg.find('"', from);
      if (to == std::string::npos) break;
      std::vector<double> values = Numbers(svg.substr(from, to - from));
      if (values.size() > best.size()) best = std::move(values);
    }
  }
  plot.tracePoints = best.size() / 2;
  if (plot.tracePoints == 0) return plot;
  double xLo = best[0], xHi = best[0];
  std::map<long, int> rows;
  plot.highestY = plot.lowestY = best[1];
  for (std::size_t i = 0; i + 1 < best.size(); i += 2) {
    xLo = std::min(xLo, best[i]);
    xHi = std::max(xHi, best[i]);
    plot.highestY = std::min(plot.highestY, best[i + 1]);  // SVG's y grows downwards
    plot.lowestY = std::max(plot.lowestY, best[i + 1]);
    ++rows[std::lround(best[i + 1])];
  }
  const auto flat = std::max_element(rows.begin(), rows.end(),
                                     [](auto& a, auto& b) { return a.second < b.second; });
  plot.baselineY = static_cast<double>(flat->first);
  int near = 0;
  for (std::size_t i = 1; i < best.size(); i += 2) near += std::fabs(best[i] - plot.baselineY) <= 1.0;
  plot.baselineShare = static_cast<double>(near) / static_cast<double>(plot.tracePoints);
  plot.width = xHi - xLo;
  return plot;
}

std::string SvgPlot::Describe() const {
  std::ostringstream s;
  s << tracePoints << " trace points over " << width << " units, baseline at y " << baselineY
    << " holding " << baselineShare * 100 << " % of them, highest y " << highestY
    << ", lowest y " << lowestY << "; texts:";
  for (const std::string& t : texts) s << " [" << t << "]";
  return s.str();
}
