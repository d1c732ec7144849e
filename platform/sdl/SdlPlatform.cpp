// Placeholder until the SDL window, sound and input land: runs on the headless pieces.
#include "platform/sdl/SdlPlatform.h"

#include "platform/headless/Headless.h"

namespace platform {

struct SdlPlatform::Impl {
  HeadlessPlatform headless;
};

SdlPlatform::SdlPlatform() : impl_(std::make_unique<Impl>()) {}
SdlPlatform::~SdlPlatform() = default;
Platform& SdlPlatform::Get() { return impl_->headless.Get(); }

}  // namespace platform
