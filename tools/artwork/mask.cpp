// Masks of the masked pictures.
#include "artwork/picture.h"

namespace artwork {

Image MakeMask(Image* image, Rgb transparent) {
  Image mask(image->width, image->height, kWhite);
  for (std::size_t i = 0; i < image->pixels.size(); ++i) {
    if (image->pixels[i] == transparent) {
      image->pixels[i] = kBlack;
    } else {
      mask.pixels[i] = kBlack;
    }
  }
  return mask;
}

}  // namespace artwork
