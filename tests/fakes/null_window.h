// A surface and a host that draw and record nothing, for measuring the core's own
// cost: the surface measures like the example's fonts ("@" 13 x 24, "A" 10 x 16), and
// both only count their calls. Test side; the benchmarks use them.
#pragma once

#include <cstdint>

#include "program/host.h"

namespace keyrill::fake {

class NullSurface final : public Surface {
 public:
  void Fill(std::int32_t, std::int32_t, std::int32_t, std::int32_t, Brush) override { ++calls; }
  Font UseFont(Font font) override {
    const Font displaced = font_;
    font_ = font;
    return displaced;
  }
  void DrawBytes(std::int32_t, std::int32_t, const char*, std::int32_t count) override {
    calls += count;
  }
  Extent MeasureBytes(const char*, std::int32_t count) override {
    return font_ == Font::Stats ? Extent{10 * count, 16} : Extent{13 * count, 24};
  }
  long long calls = 0;

 private:
  Font font_ = Font::Text;
};

class NullHost final : public Host {
 public:
  void Invalidate(const Rect&, bool) override { ++calls; }
  void InvalidateAll(bool) override { ++calls; }
  void StartTimer(int, int) override { ++calls; }
  void StopTimer(int) override { ++calls; }
  void CloseMainWindow() override {}
  void ShowSelectTest() override {}
  void ShowAddTest() override {}
  void ShowEditTest() override {}
  void ShowReport(const ReportTexts&) override {}
  void FatalError(const char*) override {}
  long long calls = 0;
};

}  // namespace keyrill::fake
