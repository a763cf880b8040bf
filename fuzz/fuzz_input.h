// A reader that splits one fuzz input into the typed values a target needs:
// small integers and choices from the front, text from what follows. Every
// read is bounded by the input; past its end, reads give zero and empty text.
#ifndef KTI18N_FUZZ_FUZZ_INPUT_H
#define KTI18N_FUZZ_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

  std::size_t remaining() const { return m_size - m_pos; }

  std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

  std::uint32_t u32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | byte();
    return v;
  }

  // A value in [0, n), for n > 0.
  std::size_t choice(std::size_t n) { return n ? byte() % n : 0; }

  bool flag() { return byte() & 1; }

  double real() {
    std::uint64_t bits = (std::uint64_t{u32()} << 32) | u32();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }

  // Bytes up to the next 0 byte (not included) or the end of the input.
  std::string text() {
    std::size_t start = m_pos;
    while (m_pos < m_size && m_data[m_pos] != 0) ++m_pos;
    std::string s(reinterpret_cast<const char*>(m_data + start), m_pos - start);
    if (m_pos < m_size) ++m_pos;
    return s;
  }

  // UCS-2 units, two bytes each (little-endian), up to a 0 unit or the end.
  std::vector<unsigned short> units() {
    std::vector<unsigned short> u;
    while (remaining() >= 2) {
      unsigned short c = static_cast<unsigned short>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
      m_pos += 2;
      if (c == 0) break;
      u.push_back(c);
    }
    return u;
  }

  // Everything not yet read.
  std::vector<std::uint8_t> rest() {
    std::vector<std::uint8_t> r(m_data + m_pos, m_data + m_size);
    m_pos = m_size;
    return r;
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
};

#endif
