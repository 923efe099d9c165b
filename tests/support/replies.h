#pragma once
// Discovery replies written byte by byte at the offsets of the device's reply layout,
// independently of the codec under test.
#include <QByteArray>
#include <cstdint>
#include <string>

namespace trx::test {

struct ReplyBuilder {
  QByteArray b = QByteArray(342, '\0');

  ReplyBuilder() {
    b.replace(0, 6, "KX7315");
    Ip(24, 192, 168, 1, 251).Ip(28, 255, 255, 255, 0).Ip(32, 192, 168, 1, 1);
    Text(36, 32, "ap-one").Text(68, 9, "2.2.0").Mac(2, 0, 0, 0x0A, 0x1B, 0x2C);
    Byte(83, 0x10).Byte(84, 6).Text(85, 33, "office").Text(118, 32, "phrase");
    Byte(150, 1).Byte(151, 1).Byte(152, 0).Byte(341, 1);
    for (int i = 0; i < 5; ++i) Byte(153 + i, static_cast<std::uint8_t>(0xA0 + i));  // 64-bit key 1
  }
  ReplyBuilder& Byte(int offset, std::uint8_t v) {
    b[offset] = static_cast<char>(v);
    return *this;
  }
  ReplyBuilder& Ip(int offset, int a, int c, int d, int e) {
    return Byte(offset, std::uint8_t(a))
        .Byte(offset + 1, std::uint8_t(c))
        .Byte(offset + 2, std::uint8_t(d))
        .Byte(offset + 3, std::uint8_t(e));
  }
  ReplyBuilder& Mac(int a, int c, int d, int e, int f, int g) {
    const int v[] = {a, c, d, e, f, g};
    for (int i = 0; i < 6; ++i) Byte(77 + i, static_cast<std::uint8_t>(v[i]));
    return *this;
  }
  // Writes the bytes and clears the rest of the area.
  ReplyBuilder& Text(int offset, int area, const std::string& s) {
    for (int i = 0; i < area; ++i)
      b[offset + i] = i < static_cast<int>(s.size()) ? s[static_cast<std::size_t>(i)] : '\0';
    return *this;
  }
  ReplyBuilder& Host(const std::string& s) { return Text(36, 32, s); }
  ReplyBuilder& Essid(const std::string& s) { return Text(85, 33, s); }
  ReplyBuilder& Domain(std::uint8_t code) { return Byte(83, code); }
  ReplyBuilder& Channel(std::uint8_t c) { return Byte(84, c); }
  ReplyBuilder& Size(int n) {
    b.resize(n, '\0');
    return *this;
  }
  const std::uint8_t* data() const { return reinterpret_cast<const std::uint8_t*>(b.constData()); }
  int size() const { return static_cast<int>(b.size()); }
};

}  // namespace trx::test
