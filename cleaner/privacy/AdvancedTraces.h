#pragma once

namespace tidewell {
// Advanced privacy traces: registry values in which the system and the browser remember
// what the user typed, opened, saved or ran recently.

} // namespace tidewell
