#pragma once

#include "engine/base_writer.h"

namespace vokabi::test {

// A small English (side 1, charset 0) - Bulgarian (side 2, charset 204) base with key
// "sample-key": house/къща and friends, case pairs (march/March, polish/Polish, turkey/Turkey),
// accented words (café, naïve, résumé), "OK" written the same on both sides, and house, household,
// houseboat sharing a prefix. Texts are encoded from UTF-8 into each side's code page.
BaseSource EnglishBulgarianSample();

// A small Russian (side 1) - Bulgarian (side 2) base, both sides Cyrillic (charset 204), with all
// seven names: "стол" is a headword on both sides (маса; стул), "собака" on side 1 only.
BaseSource RussianBulgarianSample();

}  // namespace vokabi::test
