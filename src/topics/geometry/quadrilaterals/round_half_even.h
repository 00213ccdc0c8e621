#pragma once

namespace sb {

// value rounded to the given number of decimal places (0 to 15), a tie going to the even
// neighbour: the double's own exact value is what is rounded, so 0.03125 (exactly a half in
// the fourth place) gives 0.0312, while 0.00015, which as a double lies a little below
// 0.00015, gives 0.0001. The result is the double nearest the rounded decimal.
double roundHalfEven(double value, int places);

} // namespace sb
