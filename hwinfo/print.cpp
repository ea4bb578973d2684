#include "hwinfo/print.h"

Tprint_form::Tprint_form() : tk::Form(L"Corvane - Print Preview", 699, 543) {
    setBounds(0, 0, 707, 577);
    centerOnScreen();
}
