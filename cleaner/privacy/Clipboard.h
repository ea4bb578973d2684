#pragma once
// Clipboard: the text, picture and copied files the clipboard holds.
