#pragma once
// Decodes the form's JPEG pictures (baseline and progressive) with libjpeg-turbo.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace trx::app {

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom
  std::string error;              // empty on success

  bool ok() const { return error.empty(); }
};

// A truncated or corrupt picture gives an error and no pixels; the input is never read
// past its end.
DecodedImage DecodeJpeg(std::span<const std::uint8_t> data);

}  // namespace trx::app
