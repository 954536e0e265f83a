// Fixed layout of the gallery's main window, in client pixels (the screenshot test checks this size).
#pragma once

namespace gallery {

const int kClientWidth = 760;
const int kClientHeight = 540;
const int kMargin = 8;
const int kListWidth = 160;  // page list on the left
const int kLogHeight = 132;  // notification log at the bottom

}  // namespace gallery
