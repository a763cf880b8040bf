// zvFormat: what date and number formats have in common. A format is built
// once from a pattern and a settings object; each formatting call overwrites
// its result text and colour, which stay valid until the next call.
#ifndef KTI18N_FMTLIB_FORMAT_H
#define KTI18N_FMTLIB_FORMAT_H

namespace FmtLib {

class zvFormat {
 public:
  virtual ~zvFormat();
  // The result := the text-only section's text, the colour := its colour.
  virtual bool FormatText() = 0;
  // The last result, 0-terminated.
  virtual const unsigned short* c_str() const = 0;
  // The colour of the last result: 0 for none, else the colour token number
  // less 399 (1 black ... 16 gray).
  virtual int GetColor() const = 0;

 protected:
  zvFormat() = default;
  zvFormat(const zvFormat&) = default;
  zvFormat& operator=(const zvFormat&) = default;
};

}  // namespace FmtLib

#endif
