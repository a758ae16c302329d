#pragma once
// Decoding of JPEG pictures into bitmaps.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

class TBitmap;

class EJpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Replaces Bitmap's picture with the decoded one. Corrupt or truncated data,
// which libjpeg would only warn about and paint grey, throws EJpegError and
// leaves Bitmap as it was.
void LoadJpeg(TBitmap& Bitmap, std::span<const uint8_t> Data);
void LoadJpegFile(TBitmap& Bitmap, const std::string& FileName);
