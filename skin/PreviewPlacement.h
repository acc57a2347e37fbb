// Where a picture of one size lands in a preview of another, for the three
// scaling modes: which part of the picture is drawn into which rectangle.
#pragma once

#include "skin/RegionRuns.h"

enum class PreviewMode { Stretch = 0, Fit = 1, FillCrop = 2 };

struct SPlacement {
  SRect source;       // in picture pixels
  SRect destination;  // in preview pixels
  bool operator==(const SPlacement&) const = default;
};

SPlacement PlacePreview(PreviewMode mode, int pictureWidth, int pictureHeight,
                        int previewWidth, int previewHeight);
