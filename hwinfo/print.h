#pragma once
// The print preview window; it stays hidden until a page is printed.

#include "toolkit/Form.h"

class Tprint_form : public tk::Form {
  public:
    Tprint_form();
};
