#include "kti18n/locale/ctype_impl.h"

zv_ctype_impl::zv_ctype_impl(const StaticStorage* storage) {
  const StaticStorage& s = storage != nullptr ? *storage : kCtype_i18n;
  m_blockIndex = s.blockIndex;
  m_runs = s.runs;
  m_properties = s.properties;
  m_numerics = s.numerics;
  m_smallValues = s.smallValues;
  const bool builtIn = s.blockIndex == kCtype_i18n.blockIndex && s.runs == kCtype_i18n.runs &&
                       s.properties == kCtype_i18n.properties;
  m_direct = builtIn ? &kCtype_i18n_direct : nullptr;
}

bool zv_ctype_impl::IsRtl(unsigned short c) const {
  switch (getbidi(c)) {
    case kR: case kAL: case kRLE: case kRLO: case kAN: return true;
    default: return false;
  }
}

bool zv_ctype_impl::IsLtr(unsigned short c) const {
  switch (getbidi(c)) {
    case kL: case kLRE: case kLRO: case kEN: case kES: case kET: return true;
    default: return false;
  }
}

// Title case differs from upper case only for the four digraphs, which have
// a title form of their own, and for the Greek symbol variants, whose upper
// case is a plain letter but which keep their shape in a title.
unsigned short zv_ctype_impl::totitle(unsigned short c) const {
  switch (c) {
    case 0x01C4: case 0x01C6: return 0x01C5;
    case 0x01C7: case 0x01C9: return 0x01C8;
    case 0x01CA: case 0x01CC: return 0x01CB;
    case 0x01F1: case 0x01F3: return 0x01F2;
    case 0x01C5: case 0x01C8: case 0x01CB: case 0x01F2:
    case 0x03D0: case 0x03D1: case 0x03D5: case 0x03D6: case 0x03F0: case 0x03F1:
      return c;
    default: return ToUpper(c);
  }
}
