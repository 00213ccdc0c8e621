#pragma once

namespace sb::geometry {

// The program's pi: the double nearest to 3.14159265358979 (bits 400921FB54442D11), a little
// below the double nearest to the true constant, so some results differ from a computation
// with the full constant in their 15th digit.
inline constexpr double pi = 3.14159265358979;

} // namespace sb::geometry
