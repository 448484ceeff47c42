// How a byte shows in its cell, the rule both surfaces draw by, and the bytes the
// core hands them that need it, run through the recording fake.
#include "program/cell_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_window.h"

namespace keyrill {
namespace {

using fake::FakeWindow;

TEST(CellShape, EachByteHasOneShapeAndControlCodesTheirCaretLetter) {
  struct Case {
    unsigned char byte;
    CellShape shape;
    char letter;  // after '^', for a caret
  };
  const std::vector<Case> cases = {
      {0x0D, CellShape::Blank, 0},     {0x00, CellShape::Caret, '@'},
      {0x01, CellShape::Caret, 'A'},   {0x09, CellShape::Caret, 'I'},
      {0x0A, CellShape::Caret, 'J'},   {0x1B, CellShape::Caret, '['},
      {0x1F, CellShape::Caret, '_'},   {0x7F, CellShape::Caret, '?'},
      {0x20, CellShape::Character, 0}, {'A', CellShape::Character, 0},
      {0x7E, CellShape::Character, 0}, {0x80, CellShape::Character, 0},
      {0xA0, CellShape::Character, 0}, {0xFF, CellShape::Character, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.byte));
    EXPECT_EQ(ShapeOfByte(c.byte), c.shape);
    if (c.shape == CellShape::Caret) {
      EXPECT_EQ(CaretLetter(c.byte), c.letter);
    }
  }
  // Over all 256 bytes: one blank, the 31 other C0 codes and DEL as carets.
  int blanks = 0;
  int carets = 0;
  for (int byte = 0; byte < 256; ++byte) {
    const CellShape shape = ShapeOfByte(static_cast<unsigned char>(byte));
    blanks += shape == CellShape::Blank ? 1 : 0;
    carets += shape == CellShape::Caret ? 1 : 0;
  }
  EXPECT_EQ(blanks, 1);
  EXPECT_EQ(carets, 32);
}

// The shapes other than Character are not hypothetical: the core draws a target
// line's carriage return and a mistaken control key's byte as they are.
// Whether any byte the surface was asked to draw since the logs were cleared is c.
bool Drew(const FakeWindow& window, char c) {
  for (const fake::DrawnText& text : window.surface.texts) {
    if (text.bytes.find(c) != std::string::npos) return true;
  }
  return false;
}

TEST(CellShape, TheCoreDrawsATargetLinesCarriageReturnAndAMistakenControlCode) {
  FakeWindow window;
  window.Store({{"t", "cat\r\nsat"}});
  window.Select("t");
  window.ClearLogs();
  window.Type("\r");
  ASSERT_TRUE(window.program.TestRunning);
  EXPECT_TRUE(Drew(window, '\r')) << "the page's first line ends in its carriage return";

  window.ClearLogs();
  window.Type("\x01");
  EXPECT_TRUE(Drew(window, '\x01')) << "a mistaken Ctrl+A reaches the surface as its byte";
}

}  // namespace
}  // namespace keyrill
