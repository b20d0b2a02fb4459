// Arbitrary bytes as the width entries 371 and 372, the prolog 374 and a footer title, then as
// the coordinates, colours and modes of a small document: the tables are built in their bounds,
// and the document holds every line of its header, no NaN or infinity and its trailer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "documents/data_file.h"
#include "documents/data_file_format.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "fuzz/silent_boxes.h"
#include "output/postscript_writer.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "PostScript fuzz check failed: %s\n", what);
    std::abort();
  }
}

// Reads the input front to back; past its end every value is 0.
class Bytes {
 public:
  explicit Bytes(std::string_view b) : b_(b) {}
  std::string Part() {
    const size_t n = std::min<size_t>(U16(), b_.size());
    std::string s(b_.substr(0, n));
    b_.remove_prefix(n);
    return s;
  }
  template <typename T>
  T Value() {
    T v{};
    const size_t n = std::min(sizeof v, b_.size());
    std::memcpy(&v, b_.data(), n);
    b_.remove_prefix(n);
    return v;
  }
  uint16_t U16() { return Value<uint16_t>(); }
  bool empty() const { return b_.empty(); }

 private:
  std::string_view b_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  SetMsgBoxHandler(&boxes);
  Pardata[21].Default = 0.7f;
  Pardata[35].Default = 0.7f;
  Pardata[48].Default = 1.0f;
  OutputFlags = 0x0104;
  Bytes in(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string w371 = in.Part(), w372 = in.Part(), prolog = in.Part(), title = in.Part();
  DataFileSetBytes(
      datafile::Build({{371, w371}, {372, w372}, {374, prolog}}, "fuzz").value());

  ZEF1PS writer;
  std::vector<int16_t> widths(361 * 6, -7);
  std::vector<std::string> strings(361 * 4, "?");
  writer.PSCharTableInit(in.Value<float>(), widths, strings);
  Check(writer.TableBuilt() && widths.size() == 361 * 6 && strings.size() == 361 * 4, "tables");
  Check(widths[0] == -7 && strings[0] == "?", "columns of the label layer kept");

  const float x1 = in.Value<float>(), y1 = in.Value<float>();
  writer.PSHeader(title, x1, y1, in.Value<float>(), in.Value<float>());
  const size_t head = writer.Buffer().find("/PI (");
  Check(head != std::string::npos, "header lines");
  Check(writer.Buffer().substr(0, head).find('\r') == std::string::npos, "title on its line");
  const size_t body = writer.Buffer().size();
  for (int i = 0; i < 64 && !in.empty(); ++i) {
    switch (in.Value<uint8_t>() % 6) {
      case 0: writer.PSXY(in.Value<int16_t>() % 4 == 0 ? -996 : 1, in.Value<int32_t>(),
                          in.Value<int32_t>(), in.Value<int32_t>(), in.Value<int32_t>()); break;
      case 1: writer.PSXY(-997, 0, 0, in.Value<int32_t>(), in.Value<int32_t>()); break;
      case 2: writer.PSPolyline(in.Value<float>(), in.Value<float>(), in.Value<int16_t>()); break;
      case 3: writer.PSColor(in.Value<uint32_t>()); break;
      case 4: writer.PSLineWidth(in.Value<int16_t>()); writer.PSDirection(in.Value<float>()); break;
      case 5: writer.PSFont("", in.Value<float>(), in.Value<float>(), in.Value<int16_t>()); break;
    }
  }
  const std::string doc = writer.PSTrailer();
  const std::string drawn = doc.substr(body);
  for (const char* bad : {"nan", "inf", ","}) Check(drawn.find(bad) == std::string::npos, bad);
  Check(doc.size() >= 25 && doc.compare(doc.size() - 25, 25, " _zefreset end %%trailer ") == 0,
        "trailer");
  DataFileReset();
  return 0;
}
