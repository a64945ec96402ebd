#include "frontends/win32/ole_apartment.h"

#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {
namespace {

class OleApartment {
 public:
  OleApartment() : entered_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleApartment() {
    if (entered_) OleUninitialize();
  }
  OleApartment(const OleApartment&) = delete;
  OleApartment& operator=(const OleApartment&) = delete;

 private:
  bool entered_;
};

}  // namespace

void EnterOleApartment() {
  static const OleApartment apartment;
}

}  // namespace quillpad::win32
