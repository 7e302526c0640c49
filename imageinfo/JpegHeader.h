#pragma once

#include "ByteSource.h"
#include "ImageSize.h"

// The dimensions of a JPEG's main image, from the frame header found by walking the marker
// segments after the start-of-image marker; swapped when the Exif orientation says the image
// is shown turned by a quarter. 0 by 0 when no frame header comes before the scan data.
ImageSize readJpegSize(ByteSource &source);
