// Parsing compiled dialog templates, bounds-checked at every field. Test side.
#include "dialog_template.h"

#include <cstdint>
#include <cstring>

namespace e2e {

namespace {

class Reader {
 public:
  Reader(const void* bytes, std::size_t size)
      : bytes_(static_cast<const unsigned char*>(bytes)), size_(size) {}

  bool ok() const { return ok_; }

  std::uint16_t Word() {
    std::uint16_t value = 0;
    Copy(&value, sizeof value);
    return value;
  }
  std::uint32_t Dword() {
    std::uint32_t value = 0;
    Copy(&value, sizeof value);
    return value;
  }
  std::int16_t Short() { return static_cast<std::int16_t>(Word()); }
  std::uint8_t Byte() {
    std::uint8_t value = 0;
    Copy(&value, sizeof value);
    return value;
  }

  // A zero-terminated UTF-16 string, kept as bytes when every unit is below 256.
  std::string String() {
    std::string out;
    for (;;) {
      const std::uint16_t unit = Word();
      if (!ok_ || unit == 0) return out;
      out += unit < 256 ? static_cast<char>(unit) : '?';
    }
  }

  // sz_Or_Ord: empty, an ordinal (as "#n"), or a string.
  std::string StringOrOrdinal() {
    const std::uint16_t first = Word();
    if (first == 0x0000) return {};
    if (first == 0xFFFF) {
      std::string ordinal(1, '#');
      ordinal.append(std::to_string(Word()));
      return ordinal;
    }
    position_ -= sizeof(std::uint16_t);
    return String();
  }

  void AlignDword() { position_ = (position_ + 3) & ~static_cast<std::size_t>(3); }
  void Skip(std::size_t count) {
    if (position_ + count > size_) ok_ = false;
    position_ += count;
  }

 private:
  void Copy(void* out, std::size_t count) {
    if (!ok_ || position_ + count > size_) {
      ok_ = false;
      return;
    }
    std::memcpy(out, bytes_ + position_, count);
    position_ += count;
  }

  const unsigned char* bytes_;
  std::size_t size_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

std::string PredefinedClass(const std::string& name) {
  if (name == "#128") return "Button";
  if (name == "#129") return "Edit";
  if (name == "#130") return "Static";
  if (name == "#131") return "ListBox";
  if (name == "#132") return "ScrollBar";
  if (name == "#133") return "ComboBox";
  // Written out by name: normalise the case the way the system compares it.
  const char* known[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
  for (const char* k : known) {
    if (lstrcmpiA(k, name.c_str()) == 0) return k;
  }
  return name;
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(const void* bytes, std::size_t size) {
  Reader in(bytes, size);
  DialogTemplate dialog;
  const std::uint16_t version = in.Word();
  const std::uint16_t signature = in.Word();
  dialog.extended = version == 1 && signature == 0xFFFF;
  std::uint16_t count = 0;
  if (dialog.extended) {
    in.Dword();  // help id
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
  } else {
    dialog.style = static_cast<DWORD>(version) | (static_cast<DWORD>(signature) << 16);
    dialog.exStyle = in.Dword();
  }
  count = in.Word();
  dialog.x = in.Short();
  dialog.y = in.Short();
  dialog.cx = in.Short();
  dialog.cy = in.Short();
  dialog.menu = in.StringOrOrdinal();
  dialog.windowClass = in.StringOrOrdinal();
  dialog.caption = in.String();
  if ((dialog.style & DS_SETFONT) != 0) {
    dialog.pointSize = in.Word();
    if (dialog.extended) {
      dialog.weight = in.Word();
      dialog.italic = in.Byte();
      dialog.charset = in.Byte();
    }
    dialog.face = in.String();
  }
  for (std::uint16_t i = 0; i < count && in.ok(); ++i) {
    in.AlignDword();
    ControlTemplate control;
    if (dialog.extended) {
      in.Dword();  // help id
      control.exStyle = in.Dword();
      control.style = in.Dword();
    } else {
      control.style = in.Dword();
      control.exStyle = in.Dword();
    }
    control.x = in.Short();
    control.y = in.Short();
    control.cx = in.Short();
    control.cy = in.Short();
    control.id = dialog.extended ? static_cast<int>(static_cast<std::int32_t>(in.Dword()))
                                 : static_cast<int>(in.Short());
    control.windowClass = PredefinedClass(in.StringOrOrdinal());
    control.text = in.StringOrOrdinal();
    const std::uint16_t extra = in.Word();
    in.Skip(extra);
    dialog.controls.push_back(control);
  }
  if (!in.ok()) return std::nullopt;
  return dialog;
}

}  // namespace e2e
