#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "app/jpeg.h"

using trx::app::DecodeJpeg;

namespace {

std::vector<std::uint8_t> Encode(int w, int h, bool progressive) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      auto* p = &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)) * 3];
      p[0] = static_cast<std::uint8_t>(x * 255 / w);
      p[1] = static_cast<std::uint8_t>(y * 255 / h);
      p[2] = 128;
    }
  tjhandle handle = tjInitCompress();
  unsigned char* out = nullptr;
  unsigned long size = 0;
  tjCompress2(handle, rgb.data(), w, 0, h, TJPF_RGB, &out, &size, TJSAMP_444, 95, progressive ? TJFLAG_PROGRESSIVE : 0);
  std::vector<std::uint8_t> jpeg(out, out + size);
  tjFree(out);
  tjDestroy(handle);
  return jpeg;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsProgressive(const std::vector<std::uint8_t>& jpeg) {
  for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC2) return true;
  return false;
}

}  // namespace

TEST(Jpeg, DecodesBaselineAndProgressive) {
  for (const bool progressive : {false, true}) {
    const auto jpeg = Encode(22, 19, progressive);
    ASSERT_EQ(IsProgressive(jpeg), progressive);
    const auto image = DecodeJpeg(jpeg);
    ASSERT_TRUE(image.ok()) << image.error;
    EXPECT_EQ(image.width, 22);
    EXPECT_EQ(image.height, 19);
    ASSERT_EQ(image.rgb.size(), 22u * 19u * 3u);
    // Bottom-right pixel: red and green high, blue mid.
    const auto* p = &image.rgb[(std::size_t{18} * 22 + 21) * 3];
    EXPECT_NEAR(p[0], 243, 8);
    EXPECT_NEAR(p[1], 241, 8);
    EXPECT_NEAR(p[2], 128, 8);
  }
}

TEST(Jpeg, TruncatedOrCorruptPicturesGiveAnErrorAndNoPixels) {
  const auto jpeg = Encode(120, 80, false);
  for (const std::size_t keep : {std::size_t{0}, std::size_t{2}, std::size_t{20}, jpeg.size() / 2, jpeg.size() - 2}) {
    // A copy of exactly the kept length, so that the sanitizer sees any read past it.
    const std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(keep));
    const auto image = DecodeJpeg(cut);
    EXPECT_FALSE(image.ok()) << "kept " << keep << " bytes";
    EXPECT_TRUE(image.rgb.empty());
  }
  std::mt19937 random(3);
  std::vector<std::uint8_t> noise(4000);
  for (auto& b : noise) b = static_cast<std::uint8_t>(random());
  EXPECT_FALSE(DecodeJpeg(noise).ok());
  auto damaged = jpeg;
  for (std::size_t i = damaged.size() / 3; i < damaged.size() - 2; i += 7) damaged[i] = 0xFF;
  EXPECT_FALSE(DecodeJpeg(damaged).ok());
}

TEST(Jpeg, TheFormsOwnPicturesDecode) {
  const std::string dir = TRX_FORM_DIR;
  const auto page = ReadFile(dir + "/welcome.jpg");
  const auto face = ReadFile(dir + "/b_close_off.jpg");
  EXPECT_FALSE(IsProgressive(page));
  EXPECT_TRUE(IsProgressive(face)) << "the small chrome faces are progressive";
  const auto pageImage = DecodeJpeg(page);
  const auto faceImage = DecodeJpeg(face);
  ASSERT_TRUE(pageImage.ok() && faceImage.ok());
  EXPECT_EQ(pageImage.width, 580);
  EXPECT_EQ(pageImage.height, 435);
  EXPECT_EQ(faceImage.width, 22);
  EXPECT_EQ(faceImage.height, 19);
}
