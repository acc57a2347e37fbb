#include "skin/PreviewPlacement.h"

SPlacement PlacePreview(PreviewMode mode, int pw, int ph, int vw, int vh) {
  const SRect whole{0, 0, pw, ph};
  const SRect all{0, 0, vw, vh};
  if (pw <= 0 || ph <= 0 || vw <= 0 || vh <= 0 || mode == PreviewMode::Stretch) {
    return {whole, all};
  }
  // Compare the aspect ratios without rounding: pw/ph against vw/vh.
  const long long wide = static_cast<long long>(pw) * vh;
  const long long tall = static_cast<long long>(ph) * vw;
  if (mode == PreviewMode::Fit) {
    if (wide >= tall) {
      const int h = static_cast<int>(static_cast<long long>(ph) * vw / pw);
      const int top = (vh - h) / 2;
      return {whole, {0, top, vw, top + h}};
    }
    const int w = static_cast<int>(static_cast<long long>(pw) * vh / ph);
    const int left = (vw - w) / 2;
    return {whole, {left, 0, left + w, vh}};
  }
  if (wide >= tall) {
    const int w = static_cast<int>(static_cast<long long>(vw) * ph / vh);
    const int left = (pw - w) / 2;
    return {{left, 0, left + w, ph}, all};
  }
  const int h = static_cast<int>(static_cast<long long>(vh) * pw / vw);
  const int top = (ph - h) / 2;
  return {{0, top, pw, top + h}, all};
}
