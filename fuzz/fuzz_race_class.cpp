// Fuzz target: the item reader and the race class loader on arbitrary bytes.
#include <cstdint>
#include <string>

#include "engine/race_class.h"
#include "gamefile/item_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  tarmaq::RaceClass c;
  tarmaq::parseRaceClass(text, c);
  for (int g = 1; g <= c.gearCount; ++g) (void)tarmaq::gearTooltip(c, g);

  tarmaq::ItemReader reader(tarmaq::decodeText(text));
  reader.skipComments();
  for (int i = 0; i < 100000 && !reader.atEnd(); ++i) {
    switch (i % 4) {
      case 0:
        if (!reader.readNumber(true) && !reader.readString()) return 0;
        break;
      case 1:
        if (!reader.readInt16() && !reader.readString()) return 0;
        break;
      case 2:
        if (!reader.readSingle() && !reader.readString()) return 0;
        break;
      default:
        if (!reader.readString()) return 0;
    }
  }
  return 0;
}
