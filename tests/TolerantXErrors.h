#pragma once

// Test programs are not JUCE applications, so JUCE installs no X error
// handler for them, and the plug-in's own copy of JUCE does not either.
// Under Xvfb with no window manager some atoms JUCE asks about do not exist,
// and Xlib's default handler would end the process on the first such error.
// Call this before the first window is made.
void installTolerantXErrorHandler();
