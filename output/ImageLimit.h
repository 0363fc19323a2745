#pragma once

// The most images one slideshow may hold. The page passes its images as the
// arguments of one `new Array (...)` call, and Chromium stops running such a
// call somewhat above 62,400 arguments (measured: 62,409 ran, 62,457 did not,
// whatever the texts' length), so the limit keeps a fifth of that in reserve.
inline constexpr int kMaxImages = 49'900;
