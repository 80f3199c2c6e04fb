#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

namespace vorlund::render {

inline constexpr std::size_t kSelectionBufferSize = 128;

// The name a selection pass picked from its hit records (each: the count of
// names, the least and the greatest depth, the names): the first name of the
// record whose least depth, unsigned, is smallest, the first of equal ones.
// Nothing when there was no hit, or the records overran the buffer
// (`hits` negative); a record cut short by the buffer's end is not read.
std::optional<std::uint32_t> chooseHit(const std::uint32_t* buffer, std::size_t size, int hits);

}  // namespace vorlund::render
