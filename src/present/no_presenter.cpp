// A build without libxcb's headers has no presenter: Qt paints every frame.
// Platform side (Qt).
#include "present/presenter.h"

namespace keyrill::present {

bool PresenterAvailable() {
  return false;
}

std::unique_ptr<Presenter> OpenPresenter(WId /*window*/) {
  return nullptr;
}

}  // namespace keyrill::present
