#pragma once

namespace tidewell {
// Clipboard: the text, picture and copied files the clipboard holds.

} // namespace tidewell
