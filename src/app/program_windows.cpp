#include "form1.h"
#include "form14.h"
#include "topics/algebra/fractions/form4.h"
#include "topics/algebra/quadratic/form2.h"
#include "topics/statistics/dispersion/form5.h"
#include "window_registry.h"

namespace sb {

void registerProgramWindows(WindowRegistry& registry) {
    registry.add("Form1", [&registry] { return new Form1(registry); });
    registry.add("Form2", [] { return new Form2; });
    registry.add("Form4", [] { return new Form4; });
    registry.add("Form5", [] { return new Form5; });
    registry.add("Form14", [] { return new Form14; });
}

} // namespace sb
