// Writes the sample library a newcomer starts with: samples/tests.tst, through the
// core's own AppendTest so its bytes are exactly what the program writes. Run by
// hand when the texts change; a check compares the committed file with its output.
// Tool (core side only: no window).
#include <cstdio>
#include <string>
#include <string_view>

#include "library/library_file.h"
#include "support/code_pages.h"

namespace {

struct Sample {
  const char* name;
  std::string_view text;  // lines separated by CR LF, as the text box hands them over
};

// Each paragraph is one line of the text; the program wraps it to the window.
constexpr Sample kSamples[] = {
    {"Warm-up", "Rest your fingers on the home row and type this line."},
    {"Home Row",
     "Sad lads ask a glad lass; all fall silent.\r\n"
     "Dash, flash, gash: half a flask has salt.\r\n"
     "Jagged ledges stall a slow sledge."},
    {"Numbers and Dates",
     "Order 4471 left the depot at 06:45 on 12 March 2024.\r\n"
     "It carried 38 crates, 9 of them marked \"fragile\", worth $1,250.75 in all.\r\n"
     "Call 555-0199 before 5 p.m. (extension 27) to change the route."},
    {"Punctuation Drill",
     "Wait - is that yours? No; it's Sam's (I think).\r\n"
     "She said: \"Bring the map, the rope, and 3 lamps!\"\r\n"
     "Prices rose by 15% [see p. 42]; nobody was pleased... yet."},
    {"Lighthouse",
     "The lighthouse on Gull Point has stood for 140 years. Its keeper, Marta Ilves, "
     "climbs 117 steps each evening to check the lamp, and she has never once been late.\r\n"
     "On stormy nights the beam sweeps the harbour every 12 seconds. Fishing boats from "
     "Brennick and Saltholm steer by it, counting the flashes to know where they are.\r\n"
     "When the new automatic lamp arrived in 1998, the town voted to keep Marta on anyway. "
     "\"A machine can turn,\" the mayor said, \"but it cannot wave back.\""},
    {"A Letter Home",
     "Dear Ana, the train reached Porto at 9:20 this morning, only 15 minutes late. "
     "The river was grey and calm, and the bridges looked like drawings in pencil.\r\n"
     "I found the hostel on Rua das Flores without asking anyone, which I am proud of. "
     "My room is on the 4th floor; the window opens onto a courtyard full of lemon trees.\r\n"
     "Tomorrow I will walk to the market, buy bread, cheese and 2 kilos of oranges, "
     "and then try to find the bookshop with the famous red staircase.\r\n"
     "Write soon and tell me how the garden is doing. Did the tomatoes survive the frost? "
     "Love, Tomas."},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output tests.tst>\n", argv[0]);
    return 2;
  }
  const std::string path = argv[1];
  std::remove(path.c_str());  // the library is only ever appended to: start empty
  for (const Sample& sample : kSamples) {
    if (!keyrill::AppendTest(path, keyrill::support::Cp1252(), sample.name, sample.text)) {
      std::fprintf(stderr, "could not append \"%s\" to %s\n", sample.name, path.c_str());
      return 1;
    }
  }
  return 0;
}
