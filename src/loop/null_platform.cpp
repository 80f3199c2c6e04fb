#include "loop/null_platform.h"

#include "panels/designed_bounds.h"

namespace vorlund {

NullPlatform::NullPlatform(std::unique_ptr<SettingsStore> store)
    : store_(store ? std::move(store) : std::make_unique<MemorySettingsStore>()) {
  for (WindowId w : {WindowId::Main, WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
    windowBounds[index(w)] = designedBounds(w);
  visible[index(WindowId::Main)] = true;
}

void NullPlatform::report(const Failure& failure) {
  if (onFailure) onFailure(failure);
}

}  // namespace vorlund
