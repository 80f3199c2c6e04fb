#pragma once

namespace vorlund {

// The solar system: the 145 bodies and their position snapshots.
struct SolarSystem {};

}  // namespace vorlund
