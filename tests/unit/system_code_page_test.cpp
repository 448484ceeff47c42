// The system converter's tables, as both programs and the checks get them: iconv
// here, MultiByteToWideChar when this program runs as a Windows one under Wine.
#include "convert/system_code_page.h"

#include <gtest/gtest.h>

namespace keyrill {
namespace {

TEST(SystemCodePage, TablesAgreeWithTheCodePagesAndUndefinedBytesKeepACharacter) {
  struct Case {
    int number;
    unsigned char byte;
    char32_t character;
  };
  const Case cases[] = {
      {1252, 'A', U'A'},    {1252, 0x80, 0x20AC},  // the euro sign
      {1252, 0xE9, 0x00E9}, {1252, 0x81, 0x0081},  // undefined: its C1 code
      {1250, 0xB9, 0x0105}, {1251, 0xC0, 0x0410}, {1251, 0x98, 0x0098},
      {1253, 0xC1, 0x0391}, {1254, 0xF0, 0x011F}, {1257, 0xE0, 0x0105},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "code page " << c.number << ", byte " << int{c.byte});
    const std::optional<CodePage> table = SystemCodePage(c.number);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(static_cast<std::uint32_t>(table->Character(c.byte)),
              static_cast<std::uint32_t>(c.character));
    EXPECT_EQ(table->Byte(c.character), c.byte);
  }
}

TEST(SystemCodePage, NoTableWithoutAConverter) {
  EXPECT_FALSE(SystemCodePage(98765).has_value());
}

}  // namespace
}  // namespace keyrill
