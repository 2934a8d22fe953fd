#pragma once

namespace tarravelle {

// Designs are measured in twips, 1/1440 inch: 15 to the pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

}  // namespace tarravelle
