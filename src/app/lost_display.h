#pragma once

namespace plenwick {

// A display that cannot be reached, or goes away while the program runs,
// ends the program with a plain line on stderr and exit code 1, instead of an
// abort or a crash with a core dump. Leaving at once also spares the banner
// browser's threads a teardown from under them. Call before the application
// object is made.
void endCleanlyWhenTheDisplayGoesAway();

} // namespace plenwick
