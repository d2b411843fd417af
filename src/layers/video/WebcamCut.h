#pragma once

#include "platform/video/CaptureFormats.h"

#include <cstdint>
#include <optional>
#include <vector>

// The side of the square cut the webcam shows.
constexpr int WEBCAM_CUT = 120;

// The capture format to ask for: among those that can be converted and are at least 120
// high, the one nearest 120 high (the first of equals; an exact match ends the search).
std::optional<video::CaptureFormat> ChooseCaptureFormat(const std::vector<video::CaptureFormat>& formats);

// Cuts 120 x 120 texels out of a BGR24 frame into BGRA rows `pitch` bytes apart: from the first
// 120 rows, every (width / 120)-th column from the twentieth such step on, kept inside the
// frame. Each texel keeps the blue, takes the green at 0.8 and a red of random noise 0..15,
// fully opaque.
void CutWebcamFrame(const uint8_t* bgr, int width, int height, uint8_t* out, unsigned pitch);
