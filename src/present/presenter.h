// The Qt view's optional fast way to the screen: a presenter puts a region of the
// back buffer straight into the view's native window. Where none applies (Wayland,
// offscreen, a build without xcb, or KEYRILL_X11_PRESENTER=0) the view paints
// through Qt. Platform side (Qt); knows nothing of the core.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWindow>
#include <memory>

namespace keyrill::present {

class Presenter {
 public:
  virtual ~Presenter() = default;
  // Puts `region` (logical pixels) of `image` to the same place in the window, white
  // where the window is larger than the image, and sends it on before returning.
  virtual void Present(const QImage& image, const QRegion& region) = 0;
  // Whether the last Present went through memory shared with the display server.
  virtual bool SharesMemory() const = 0;
};

// Whether a presenter can serve this application's windows. Asked before the view's
// window exists, since that window must be made for it (native, painted on screen).
bool PresenterAvailable();

// A presenter for the native window `window`, or null when none is available.
std::unique_ptr<Presenter> OpenPresenter(WId window);

}  // namespace keyrill::present
