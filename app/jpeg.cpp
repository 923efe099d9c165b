#include "app/jpeg.h"

#include <turbojpeg.h>

#include <memory>

namespace trx::app {
namespace {

struct HandleCloser {
  void operator()(void* h) const { tjDestroy(h); }
};

// Pictures of the form are at most a window in size; anything far larger is not ours.
constexpr int kLargestSide = 8192;

}  // namespace

DecodedImage DecodeJpeg(std::span<const std::uint8_t> data) {
  DecodedImage out;
  if (data.empty()) {
    out.error = "empty picture data";
    return out;
  }
  std::unique_ptr<void, HandleCloser> handle(tjInitDecompress());
  if (!handle) {
    out.error = "cannot start the JPEG decoder";
    return out;
  }
  int width = 0, height = 0, subsampling = 0, colorspace = 0;
  if (tjDecompressHeader3(handle.get(), data.data(), static_cast<unsigned long>(data.size()), &width, &height,
                          &subsampling, &colorspace) != 0) {
    out.error = std::string("not a readable JPEG picture: ") + tjGetErrorStr2(handle.get());
    return out;
  }
  if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
    out.error = "JPEG picture has an unusable size";
    return out;
  }
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  // Warnings (a truncated stream, for one) count as failures: a half-drawn picture is no picture.
  if (tjDecompress2(handle.get(), data.data(), static_cast<unsigned long>(data.size()), pixels.data(), width, 0, height,
                    TJPF_RGB, TJFLAG_STOPONWARNING) != 0) {
    out.error = std::string("corrupt JPEG picture: ") + tjGetErrorStr2(handle.get());
    return out;
  }
  out.width = width;
  out.height = height;
  out.rgb = std::move(pixels);
  return out;
}

}  // namespace trx::app
